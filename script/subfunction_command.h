#pragma once

#include "script/command_run.h"

// SSFCT: runs the sub-function named by the item, a child of the package's "SSFct" block, with
// the item's children as positional parameters.
void callSubFunction(CommandRun& run, ParamNode& item);
