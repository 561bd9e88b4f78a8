#include "script/run_limits.h"

namespace {

// One script runs at a time, so one set of counters serves.
int nesting = 0;
int32_t callsMade = 0;
bool limitReported = false;

}  // namespace

bool enterBlock() {
    if (nesting >= maxRunNesting) return false;
    if (nesting == 0) {
        callsMade = 0;
        limitReported = false;
    }
    ++nesting;
    return true;
}

void leaveBlock() {
    --nesting;
}

bool takeSubFunctionCall() {
    if (callsMade >= maxSubFunctionCalls) return false;
    ++callsMade;
    return true;
}

void reportLimit(CommandRun& run, const char* prefix, const char* name) {
    if (limitReported) return;
    limitReported = true;
    report(run, prefix, name);
}
