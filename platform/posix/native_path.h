#pragma once

#include "params/text_buffer.h"
#include "platform/code_page.h"

// Scripts and install descriptions write Windows paths in Windows-1252; the
// POSIX calls want "/" separators and, for names, UTF-8. The mapping happens
// only here, at the system boundary, both ways.

// The path as the POSIX calls want it: UTF-8, every "\" a "/". Every path the platform hands
// the system passes here, so a build that must keep its file operations inside one folder (the
// fuzzing build) links its own definition instead.
TextBuffer nativePath(const char* path);

// A name or path the system gave, as the program's texts hold it. A name
// that is not UTF-8 keeps its bytes.
inline TextBuffer programText(const char* native) {
    return windows1252FromUtf8(native);
}
