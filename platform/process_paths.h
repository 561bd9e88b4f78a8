#pragma once

#include "params/text_buffer.h"

// The full path of the program's own executable file; empty when the system
// does not tell.
TextBuffer ModulePath();
// The folder of the program's own file; "." when its path is unknown.
TextBuffer ExeDirectory();
// The process's current folder; "." when it cannot be read.
TextBuffer CurrentFolder();
// Makes path the process's current folder; false when the system refuses.
bool SetCurrentFolder(const char* path);
