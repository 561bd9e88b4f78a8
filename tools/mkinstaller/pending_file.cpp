#include "tools/mkinstaller/pending_file.h"

#include <system_error>

#include "tools/mkinstaller/pack_error.h"

namespace fs = std::filesystem;

namespace {

// The first free name of the form ".NAME.N.tmp" beside the target.
fs::path freeTemporaryName(const fs::path& target) {
    for (int n = 0;; ++n) {
        fs::path candidate = target;
        candidate.replace_filename("." + target.filename().u8string() + "." + std::to_string(n) +
                                   ".tmp");
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
    }
}

}  // namespace

PendingFile::PendingFile(fs::path target)
    : target_(std::move(target)), temporary_(freeTemporaryName(target_)) {
    stream_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!stream_) throw PackError("cannot create " + temporary_.u8string());
}

PendingFile::~PendingFile() {
    if (committed_) return;
    stream_.close();
    std::error_code ignored;
    fs::remove(temporary_, ignored);
}

void PendingFile::close() {
    if (!stream_.is_open()) return;
    stream_.close();
    if (!stream_) throw PackError("cannot write " + temporary_.u8string());
}

void PendingFile::commit() {
    close();
    std::error_code error;
    fs::rename(temporary_, target_, error);
    if (error) throw PackError("cannot replace " + target_.u8string() + ": " + error.message());
    committed_ = true;
}
