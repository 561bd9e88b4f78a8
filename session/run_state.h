#pragma once

#include <atomic>
#include <cstdint>

#include "platform/file_ops.h"

struct Package;

// The values of a running installation that the interface thread reads (progress display) or
// writes (stop request) while the worker runs the scripts. Each has one writer, and each is
// atomic so that the reader never sees a torn value.

// Position of the top-level command now running in an "Installe" block: its index from 0 and
// the number of commands of the block.
struct ScriptProgressCounters {
    std::atomic<int32_t> index{0};
    std::atomic<int32_t> count{0};
};
ScriptProgressCounters& ScriptProgress();

// Bytes and files copied by the file commands since the start of the run.
CopyCounter& Copied();

// The package whose "Installe" block runs; null outside the installation.
std::atomic<Package*>& RunningPackage();

// Set by the interface thread to halt the worker: the block and item loops stop before their
// next command or item, and the copies and unpackings stop before their next file.
std::atomic<bool>& StopFlag();
inline bool stopRequested() {
    return StopFlag().load(std::memory_order_relaxed);
}

// The counters behind the limits of one top-level run (script/run_limits.h): the blocks open
// around the one running, the sub-function calls made and whether a limit was reported. Only the
// thread running the scripts uses them.
struct RunLimitCounters {
    int nesting = 0;
    int32_t callsMade = 0;
    bool limitReported = false;
};
RunLimitCounters& RunLimits();
