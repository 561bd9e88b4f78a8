#pragma once

#include <filesystem>
#include <string>

// A new folder under the system's temporary folder, removed with its content at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The path as the installer's code takes it.
    std::string text() const { return path_.string(); }

private:
    std::filesystem::path path_;
};
