#pragma once

#include <cstdint>

#include "script/command_run.h"

// Limits on one run of a top-level block (an "Installe" block, a variable's script). Scripts come
// from installers made by others: one that calls itself without end, or twice at every level,
// must end and say so once, not overflow the worker's stack or run for ever.

// Blocks run inside running blocks (condition branches, sub-function calls, REG_EVAL's "Valide"),
// counted together, at most this deep: each level holds a few frames of the worker's stack, and
// 200 of them stay well inside the 1 MB a Windows thread has by default.
constexpr int maxRunNesting = 200;
// Sub-function calls in one run, refused ones included: without loops in the language, only a
// script that branches into itself calls more.
constexpr int32_t maxSubFunctionCalls = 10000;

// Entering a block: false, with nothing counted, at the nesting limit. A block entered at depth 0
// starts a new run, with all its calls and its report still to come.
bool enterBlock();
void leaveBlock();

// Counts one sub-function call; false once the run has made maxSubFunctionCalls.
bool takeSubFunctionCall();

// report() for the first limit the run meets only: a script that meets a limit once meets it
// again at every later attempt.
void reportLimit(CommandRun& run, const char* prefix, const char* name);
