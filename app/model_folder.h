#pragma once

#include "params/text_buffer.h"
#include "session/container.h"

// Writes the container's libraries out as a model folder beside the program started from
// startedPath, Maquette\<stem>.cpx: the install description unpacked, every other library as
// stored (mode 1) or unpacked into a subfolder named after it (mode 2; the extra variables, which
// are no archive, stay as stored). A library copied as stored has the container's scratch file
// set to its file in the model. False when a library could not be written, with one line per
// failure in `errors`; a failed unpacking is also listed in the ErrorList.
bool writeModelFolder(Container& container, const char* startedPath, int mode, TextBuffer& errors);
