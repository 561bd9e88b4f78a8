#include "script/run_limits.h"

#include "session/run_state.h"

bool enterBlock() {
    RunLimitCounters& limits = RunLimits();
    if (limits.nesting >= maxRunNesting) return false;
    if (limits.nesting == 0) {
        limits.callsMade = 0;
        limits.limitReported = false;
    }
    ++limits.nesting;
    return true;
}

void leaveBlock() {
    --RunLimits().nesting;
}

bool takeSubFunctionCall() {
    RunLimitCounters& limits = RunLimits();
    if (limits.callsMade >= maxSubFunctionCalls) return false;
    ++limits.callsMade;
    return true;
}

void reportLimit(CommandRun& run, const char* prefix, const char* name) {
    if (RunLimits().limitReported) return;
    RunLimits().limitReported = true;
    report(run, prefix, name);
}
