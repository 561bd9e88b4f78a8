#pragma once

#include "app/session_mode.h"
#include "params/text_buffer.h"

// Writes the payload out as a model folder beside the program started from startedPath,
// Maquette\<stem>.cpx: the install description unpacked, every other library as stored
// (modelStored) or unpacked into a subfolder named after it (modelUnpacked; the extra variables,
// which are no archive, stay as stored). The libraries are read from ProgramPath (after a
// multi-volume join, the joined copy). False when a library could not be written, with one line
// per failure in `errors`.
bool writeModelFolder(const char* startedPath, SessionMode mode, TextBuffer& errors);
