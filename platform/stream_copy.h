#pragma once

#include <cstdint>

#include "params/text_stream.h"

// Copies count bytes (all remaining bytes when count is negative) from input
// to output in pieces of at most 2048 bytes, stopping early at the end of the
// input. Returns the number of bytes copied.
int64_t CopyStreamBytes(InStream& input, OutStream& output, int64_t count);
// Reads through the next line feed or carriage return (consumed); false
// when the stream ends first.
bool SkipLine(InStream& input);
