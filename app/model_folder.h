#pragma once

#include "app/session_mode.h"
#include "params/text_buffer.h"
#include "session/container.h"

// Writes the container's libraries out as a model folder beside the program started from
// startedPath, Maquette\<stem>.cpx: the install description unpacked, every other library as
// stored (modelStored) or unpacked into a subfolder named after it (modelUnpacked; the extra variables, which
// are no archive, stay as stored). A library copied as stored has the container's scratch file
// set to its file in the model. False when a library could not be written, with one line per
// failure in `errors`; a failed unpacking is also listed in the ErrorList.
bool writeModelFolder(Container& container, const char* startedPath, SessionMode mode, TextBuffer& errors);
