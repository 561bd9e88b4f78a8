#include "session/run_state.h"

// Namespace-scope atomics are constant-initialised: no start-up order or guard questions.
namespace {
ScriptProgressCounters progress;
CopyCounter copied{0};
std::atomic<Package*> runningPackage{nullptr};
std::atomic<bool> stopFlag{false};
RunLimitCounters limits;
}  // namespace

ScriptProgressCounters& ScriptProgress() {
    return progress;
}
CopyCounter& Copied() {
    return copied;
}
std::atomic<Package*>& RunningPackage() {
    return runningPackage;
}
std::atomic<bool>& StopFlag() {
    return stopFlag;
}
RunLimitCounters& RunLimits() {
    return limits;
}
