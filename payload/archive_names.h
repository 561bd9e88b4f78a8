#pragma once

#include <cstdint>

// Rules on the names of archive records, shared by the packer and the installer's reader.

// Empty, or made only of bytes of value 32 or less: a file or folder record with such a name
// designates the enclosing folder itself.
bool isBlankName(const char* name, int32_t length);

// Whether a record name stays inside the folder it is unpacked into: it holds no "\", "/" or ":"
// (no nested, absolute or drive path) and is not made of dots and blanks only ("..", ".. ").
bool staysInFolder(const char* name, int32_t length);
