#pragma once

#include "params/param_node.h"

// A package's ChoiceList: (name, value) pairs gathered by scripts for a later choice. A name
// already present (exact comparison) gets the new value in place; a new name goes to the end.
void addChoice(ParamNode& choices, const char* name, const char* value);
