#pragma once

#include "params/text_buffer.h"

// Appends the whole content of a file, byte for byte; false when it cannot be opened or read.
bool readFileBytes(const char* path, TextBuffer& bytes);
