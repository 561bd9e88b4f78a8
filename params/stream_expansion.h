#pragma once

#include "params/param_node.h"
#include "params/text_stream.h"

// Copies input to output, expanding "${...}" references and honouring
// conditional sections:
//   ${?NAME|?}        following text shown when NAME is defined
//   ${?NAME|?!}       ... when it is not
//   ${?NAME|=|TEXT}   ... when NAME's value equals TEXT
//   ${?NAME|=!|TEXT}  ... when it differs
//   ${?/}             end of the section
// Sections do not nest; text of a hidden section is read but not written.
// A condition that lacks its "|" parts hides what follows. "\$" is a literal
// dollar; an unterminated "${..." is written as read. Always returns true.
bool expandStream(InStream& input, OutStream& output, ParamNodeList vars, ParamNodeList params);
