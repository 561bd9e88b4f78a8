#include "tools/mkinstaller/volume_writer.h"

#include <algorithm>
#include <system_error>

#include "tools/mkinstaller/pack_error.h"

namespace fs = std::filesystem;

fs::path volumePath(const fs::path& installer, int n) {
    fs::path path = installer;
    path += std::to_string(n);
    return path;
}

VolumeWriter::VolumeWriter(fs::path output, uint64_t volumeSize)
    : output_(std::move(output)), volumeSize_(volumeSize) {
    startFile();
}

void VolumeWriter::startFile() {
    fs::path target =
        files_.empty() ? output_ : volumePath(output_, static_cast<int>(files_.size()));
    files_.push_back(std::make_unique<PendingFile>(target));
    inCurrent_ = 0;
}

void VolumeWriter::write(const void* bytes, size_t count) {
    auto p = static_cast<const char*>(bytes);
    while (count > 0) {
        if (volumeSize_ && inCurrent_ == volumeSize_) startFile();
        uint64_t room = volumeSize_ ? volumeSize_ - inCurrent_ : count;
        auto n = static_cast<size_t>(std::min<uint64_t>(room, count));
        PendingFile& file = *files_.back();
        FileSink(file.stream(), file.temporaryPath()).write(p, n);
        inCurrent_ += n;
        p += n;
        count -= n;
    }
}

void VolumeWriter::commit() {
    for (auto& file : files_) file->close();
    for (auto& file : files_) file->commit();
    for (int n = volumeCount() + 1;; ++n) {
        std::error_code error;
        if (!fs::remove(volumePath(output_, n), error)) break;
    }
}
