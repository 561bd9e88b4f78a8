#pragma once

#include <filesystem>
#include <fstream>

// An output file that appears under its name only once complete: it is written to a temporary
// file in the same folder and renamed by commit(); without commit() the temporary file is removed.
class PendingFile {
public:
    explicit PendingFile(std::filesystem::path target);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    std::ofstream& stream() { return stream_; }
    const std::filesystem::path& target() const { return target_; }
    const std::filesystem::path& temporaryPath() const { return temporary_; }
    // Flushes and closes the temporary file; a PackError when that fails.
    void close();
    // Closes, then replaces the target by the temporary file.
    void commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream stream_;
    bool committed_ = false;
};
