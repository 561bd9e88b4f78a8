#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

// Where the packer's writers put their bytes.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const void* bytes, size_t count) = 0;
};

// Writes into an open file; a failed write is a PackError naming the file.
class FileSink : public ByteSink {
public:
    FileSink(std::ofstream& file, std::filesystem::path path)
        : file_(file), path_(std::move(path)) {}
    void write(const void* bytes, size_t count) override;
    uint64_t written() const { return written_; }

private:
    std::ofstream& file_;
    std::filesystem::path path_;
    uint64_t written_ = 0;
};

// Passes bytes on and keeps the container's checksum of everything that went through.
class ChecksumSink : public ByteSink {
public:
    explicit ChecksumSink(ByteSink& next) : next_(next) {}
    void write(const void* bytes, size_t count) override;
    uint32_t checksum() const { return checksum_; }

private:
    ByteSink& next_;
    uint32_t checksum_ = 0;
};
