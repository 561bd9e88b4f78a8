#pragma once
// Runs packer commands in the test's own process and describes folder trees for comparison.
#include <string>
#include <vector>

#include "folder_tree.h"
#include "scratch_folder.h"

struct PackerRun {
    int code;
    std::string out;
    std::string err;
};

PackerRun runPacker(const std::vector<std::string>& args);

// A stand-in stub: any bytes do, as long as there are exactly `size` of them.
void writeStub(const std::string& path, size_t size);

// The names of the entries of a folder.
std::vector<std::string> entriesOf(const std::string& folder);

// Writes a file through the installer's own file streams, so that a Windows-1252 name reaches
// the system as the installer's code passes names (the bytes natively, the code page on Windows).
void writeWindowsNamed(const std::string& path, const std::string& content);
