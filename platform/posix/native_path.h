#pragma once

#include "params/text_buffer.h"

// The path as the POSIX calls want it: every "\" becomes "/". Scripts and
// install descriptions write Windows paths; the mapping happens only here, at
// the system boundary.
inline TextBuffer nativePath(const char* path) {
    TextBuffer native(path);
    native.replaceByte('\\', '/');
    return native;
}
