#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>

// "<what> N of M MiB (P%)" on one terminal line, first after 200 ms (quick runs show nothing),
// then redrawn at most five times a second. Without a stream (output that is not a terminal) it
// shows nothing.
class Progress {
public:
    Progress(std::ostream* out, const char* what, uint64_t total)
        : out_(out), what_(what), total_(total), last_(std::chrono::steady_clock::now()) {}
    ~Progress() { finish(); }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void advance(uint64_t bytes);
    // Shows the last figure and ends the line, once something was shown.
    void finish();

private:
    void show();

    std::ostream* out_;
    const char* what_;
    uint64_t total_;
    uint64_t done_ = 0;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_;
};
