#pragma once

#include <cstddef>
#include <cstdint>

// The container's checksum: starting from 0, for each byte (unsigned) the value is rotated left
// by one bit and the byte is added modulo 2^32. "abc" gives 0x2AB.
// Feeding a sequence in pieces gives the same value as feeding it at once.
uint32_t updateChecksum(uint32_t checksum, const unsigned char* bytes, size_t count);
