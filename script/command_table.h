#pragma once

#include "script/command_run.h"

// A keyed command runs once and reads the named children of the working copy.
using KeyedCommand = void (*)(CommandRun& run);
// A per-item command runs once for each child of the working copy.
using ItemCommand = void (*)(CommandRun& run, ParamNode& item);

// The command of that keyword under the FoldUpper comparison, searched in the table's order;
// null when the keyword is not one of that kind.
KeyedCommand findKeyedCommand(const char* keyword);
ItemCommand findItemCommand(const char* keyword);
