#pragma once

#include "params/text_buffer.h"

// The system's folder picker, which the system responder shows. False when cancelled.
bool systemFolderDialog(const char* prompt, const char* start, TextBuffer& folder);
