#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "tools/mkinstaller/byte_sink.h"
#include "tools/mkinstaller/pending_file.h"

// Writes an installer into its file and, past `volumeSize` bytes (0: no limit), into volume files
// named after it with 1, 2, ... appended, each holding at most `volumeSize` bytes as well.
class VolumeWriter : public ByteSink {
public:
    VolumeWriter(std::filesystem::path output, uint64_t volumeSize);

    void write(const void* bytes, size_t count) override;
    // Puts every file in place, then removes the volumes of an earlier, longer build: the
    // installer joins volumes up to the first missing number, so a stale one would be appended.
    void commit();
    // Files after the first one.
    int volumeCount() const { return static_cast<int>(files_.size()) - 1; }

private:
    void startFile();

    std::filesystem::path output_;
    uint64_t volumeSize_;
    uint64_t inCurrent_ = 0;
    std::vector<std::unique_ptr<PendingFile>> files_;
};

// The path of volume n of an installer: its path with the number appended.
std::filesystem::path volumePath(const std::filesystem::path& installer, int n);
