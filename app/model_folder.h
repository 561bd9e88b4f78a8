#pragma once

#include "params/text_buffer.h"

// Writes the payload out as a model folder beside the program started from startedPath,
// Maquette\<stem>.cpx: the install description unpacked, every other library as stored (mode 1)
// or unpacked into a subfolder named after it (mode 2; the extra variables, which are no archive,
// stay as stored). The libraries are read from ProgramPath (after a multi-volume join, the joined
// copy). False when a library could not be written, with one line per failure in `errors`.
bool writeModelFolder(const char* startedPath, int mode, TextBuffer& errors);
