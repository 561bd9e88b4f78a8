#pragma once

#include <filesystem>
#include <string>

// A new folder under the system's temporary folder, removed with its content at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // The path as the installer's code takes it.
    std::string text() const;

private:
    std::filesystem::path path_;
};
