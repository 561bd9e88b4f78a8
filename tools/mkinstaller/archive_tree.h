#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A folder tree as it will be archived.
struct ArchiveNode {
    std::string name;  // Windows-1252 bytes; empty for the root
    std::filesystem::path path;
    bool isFolder = false;
    uint64_t size = 0;                  // of a file
    std::vector<ArchiveNode> children;  // of a folder, in byte order of their names
};

// Reads a folder tree for archiving and checks it whole before anything is written: every name
// can be stored and unpacked inside its folder, no two names of a folder are the same file on
// Windows, every file is below 2 GiB, symbolic links are followed but never back into a folder
// that contains them. A PackError names the first culprit.
ArchiveNode scanArchiveFolder(const std::filesystem::path& folder);

// The bytes of file content in the tree.
uint64_t contentSize(const ArchiveNode& node);

// The file of a folder with this name as Windows compares names; null when there is none.
ArchiveNode* findFile(ArchiveNode& folder, const std::string& name);

// Archives `path` as the file `name` of the folder, in place of a file of that name there.
void putFile(ArchiveNode& folder, const std::string& name, const std::filesystem::path& path,
             uint64_t size);
