#pragma once

#include <cstdint>

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
// Removes an empty folder, or a link to a folder.
bool systemRemoveFolder(const char* path);
