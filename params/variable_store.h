#pragma once

#include <cstdint>

#include "params/param_node.h"

// The process-wide table of variables: a node with empty name and value whose
// direct children are the variables (name = variable name, value text = its
// value). Variables may carry children of their own, reached as "A/B".
// Names are compared byte for byte. Only one thread uses the store at a time:
// the interface thread hands it to the worker through the page sequence.
ParamNode& VariableStore();

// Finds the variable, or creates it at the front with the value "0".
ParamNode* defineVariable(const char* name);
ParamNode* setVariable(const char* name, const char* text);
ParamNode* setVariableInteger(const char* name, int32_t n);
bool isDefined(const char* name);
// Removes only the first variable of that name; false when there was none.
bool removeVariable(const char* name);
void clearVariables();
// Each entry's value (with its kind) goes to the variable of the same name,
// created at the front when absent.
void importVariables(ParamNodeList list);
