#pragma once

#include <cstdio>

// Opens a file through the C runtime with a path as scripts write it ("\" or "/" separators).
// The file streams open every file through it; each platform defines it (platform/*/open_file.cpp)
// where the names meet the system.
FILE* OpenFile(const char* path, const char* mode);

// Opens a file for reading in binary, denying others the right to write it while it is open
// (where the system knows such a denial).
FILE* OpenFileDenyingWrites(const char* path);
