#pragma once
// Runs packer commands in the test's own process and describes folder trees for comparison.
#include <map>
#include <string>
#include <vector>

#include "scratch_folder.h"

struct PackerRun {
    int code;
    std::string out;
    std::string err;
};

PackerRun runPacker(const std::vector<std::string>& args);

// A stand-in stub: any bytes do, as long as there are exactly `size` of them.
void writeStub(const std::string& path, size_t size);

// Every file and folder under root: relative path -> content ("/" for a folder).
std::map<std::string, std::string> treeOf(const std::string& root);

// The names of the entries of a folder.
std::vector<std::string> entriesOf(const std::string& folder);

// Writes a file through the installer's own file streams, so that a Windows-1252 name reaches
// the system as the installer's code passes names (the bytes natively, the code page on Windows).
void writeWindowsNamed(const std::string& path, const std::string& content);
