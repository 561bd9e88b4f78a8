#pragma once

#include <atomic>
#include <cstdint>

#include "params/text_stream.h"

// Copies count bytes (all remaining bytes when count is negative) from input
// to output, stopping early at the end of the input. Returns the number of
// bytes copied. The copies are large (whole libraries out of the program
// file, installed files), so they go through one process-wide 64 KiB buffer:
// in 2048-byte pieces every few kilobytes would cost a system call. One
// caller at a time. Once *stop turns true the copy ends after the piece under way.
int64_t CopyStreamBytes(InStream& input, OutStream& output, int64_t count,
                        const std::atomic<bool>* stop = nullptr);
