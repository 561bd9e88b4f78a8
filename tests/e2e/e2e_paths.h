#pragma once
// Folders and paths of the end-to-end tests.
#include <string>

std::string quotedPath(const std::string& path);

// A fresh folder of the test's own under the system's temporary folder, removed afterwards.
struct TestFolder {
    explicit TestFolder(const std::string& name);
    ~TestFolder();
    // Makes this folder the temporary folder of the programs the test starts ("TMP" and "TEMP").
    void useAsTemporaryFolder() const;
    bool isEmpty() const;
    std::string path;
};
