#pragma once

#include <cstdio>

// Opens a file through the C runtime with a path as scripts write it ("\" or "/" separators).
FILE* OpenFile(const char* path, const char* mode);
