#pragma once

#include <cstdint>

#include "params/text_buffer.h"

// The system calls the file and folder operations are built from; each
// platform defines them.

// Copies a file, replacing the destination when the system lets it; false
// when source and destination are one file, whatever their texts.
bool systemCopyFile(const char* source, const char* destination);
// Clears read-only (and on Windows hidden and system).
bool systemMakeNormal(const char* path);
// The file's size; -1 when it cannot be read.
int64_t systemFileSize(const char* path);
// Creates one folder; false when anything is already there.
bool systemCreateFolder(const char* path);
// The system's own absolute form of an existing path: relative parts, ".",
// "..", doubled separators and (on Windows) short names resolved, and on
// POSIX links too; false when nothing is there.
bool systemResolvePath(const char* path, TextBuffer& resolved);
// Removes an empty folder, or a link to a folder.
bool systemRemoveFolder(const char* path);
// Lets administrators and the system alone change the folder and what it will hold; everybody
// may read. Where the system has no such rights to set, there is nothing to do: true.
bool systemProtectFolder(const char* path);
