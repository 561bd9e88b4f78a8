#pragma once

#include <cstdint>

#include "params/text_stream.h"

// Copies count bytes (all remaining bytes when count is negative) from input to output, stopping
// early at the end of the input; returns the number of bytes copied. Payload copies are large
// (whole libraries, installed files), so they go through one process-wide 64 KiB buffer rather
// than the small pieces of CopyStreamBytes: with 2048-byte pieces every few kilobytes cost a
// system call. One caller at a time.
int64_t transferBytes(InStream& input, OutStream& output, int64_t count);
