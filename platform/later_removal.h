#pragma once

#include <vector>

#include "params/text_buffer.h"

// Removes the running program's own file once the process has ended, then each folder of
// folders (innermost first) while it is empty. A running program's file cannot be removed on
// Windows: a hidden command interpreter, started from the system folder, tries three times, a
// second apart. False when it cannot be started; elsewhere always false (nothing to do there for
// the programs this runs).
bool removeAfterExit(const char* file, const std::vector<TextBuffer>& folders);
