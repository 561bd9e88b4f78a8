#include "tools/mkinstaller/progress.h"

#include <iomanip>

void Progress::advance(uint64_t bytes) {
    done_ += bytes;
    if (!out_) return;
    auto now = std::chrono::steady_clock::now();
    if (now - last_ < std::chrono::milliseconds(200)) return;
    last_ = now;
    show();
}

void Progress::finish() {
    if (!shown_) return;
    show();
    *out_ << '\n' << std::flush;
    shown_ = false;
    out_ = nullptr;
}

void Progress::show() {
    uint64_t percent = total_ ? done_ * 100 / total_ : 100;
    const double mebibyte = 1 << 20;
    *out_ << "\rmkinstaller: " << what_ << ' ' << std::fixed << std::setprecision(1)
          << double(done_) / mebibyte << " of " << double(total_) / mebibyte << " MiB (" << percent
          << "%)" << std::flush;
    shown_ = true;
}
