#pragma once
// Folders and paths of the end-to-end tests.
#include <string>
#include <vector>

std::string quotedPath(const std::string& path);
// A path as a quoted block text value, whose backslashes are escaped.
std::string blockValue(const std::string& path);
std::string fileBytes(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// Copies the folder and everything in it.
void copyTree(const std::string& from, const std::string& to);
// Removes the folder and everything in it, read-only files included.
void removeTree(const std::string& folder);
// The names of the files and folders in a folder, in the order the system lists them.
std::vector<std::string> namesIn(const std::string& folder);
// An installer around the real stub with these libraries, checksum included.
struct Library;
std::string realInstaller(const std::vector<Library>& libraries);

// A fresh folder of the test's own under the system's temporary folder, removed afterwards.
struct TestFolder {
    explicit TestFolder(const std::string& name);
    ~TestFolder();
    // Makes this folder the temporary folder of the programs the test starts ("TMP" and "TEMP").
    void useAsTemporaryFolder() const;
    bool isEmpty() const;
    std::string path;
};
