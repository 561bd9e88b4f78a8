#pragma once

#include "params/text_buffer.h"

// Paths are byte texts in the system's code page. Both "\" and "/" separate
// components when a path is split; paths composed here use "\".

// The separator this system writes between a folder and a name.
extern const char PathSeparator[];

// The text after the last separator; the whole path when there is none.
TextBuffer BaseName(const char* path);
// The last component without its extension (last "." and what follows).
TextBuffer StemName(const char* path);
// The path cut at its last separator (separator removed); "." when it has
// none.
TextBuffer ParentPath(const char* path);
// folder + "\" + name, without doubling a separator the folder ends with.
TextBuffer JoinPath(const char* folder, const char* name);
// Whether two path texts name the same file as far as their text tells:
// equal under the FoldUpper comparison. Two different texts for one file (a
// relative and an absolute path) are not detected here.
bool SameFile(const char* a, const char* b);
