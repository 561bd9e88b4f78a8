#pragma once

#include <cstdint>

// Rules on the names of archive records, shared by the packer and the installer's reader.

// Empty, or made only of bytes of value 32 or less: a file or folder record with such a name
// designates the enclosing folder itself.
bool isBlankName(const char* name, int32_t length);

// Whether a record name stays inside the folder it is unpacked into: it holds no "\", "/" or ":"
// (no nested, absolute or drive path) and is not made of dots and blanks only ("..", ".. ").
bool staysInFolder(const char* name, int32_t length);

// Whether Windows stores a record name as written: false for a name ending in a dot or a blank
// (Windows drops them, so "a." and "a" would be one file) and for a device name ("CON", "nul",
// "COM1", "aux.log": any extension, any letter case), which opens the device instead of a file.
bool windowsKeepsName(const char* name, int32_t length);

// Whether the name, up to its first dot and without the blanks before it, is one of the device
// names of Windows ("CON", "PRN", "AUX", "NUL", "COM1" to "COM9", "LPT1" to "LPT9", ...).
bool isDeviceName(const char* name, int32_t length);

// The test a reader applies to a name from an installer before making a file of it: it stays in
// the folder and Windows keeps it as written.
bool isSafeName(const char* name);
