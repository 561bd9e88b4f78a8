#pragma once
// Test helpers shared by every unit test program.
#include <string>

// A fresh folder of the test's own under the system's temporary folder, removed with its content
// when the object goes. Paths use "/" so they work natively and under Wine alike.
struct ScratchFolder {
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The path of a name inside the folder.
    std::string operator/(const std::string& name) const { return path + "/" + name; }
    // Writes a file (and its missing parent folders) with exactly these bytes.
    void write(const std::string& name, const std::string& bytes) const;
    void makeFolder(const std::string& name) const;
    // The bytes of a file; empty when it cannot be read.
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

    std::string path;
};
