#pragma once

#include <cstddef>
#include <cstdint>

// The two places of a program's PE header that a code-signing tool rewrites after the program is
// built: the header's CheckSum field and the certificate-table entry of the data directories
// (the signature's file offset and size). Both lie inside the checksummed bytes, so the
// container's checksum is also taken with them read as zeros.
struct SigningFields {
    size_t checksumAt;     // 4 bytes
    size_t certificateAt;  // 8 bytes: offset, then size, little-endian
};

constexpr size_t checksumFieldSize = 4;
constexpr size_t certificateEntrySize = 8;

// Finds both fields in the first `count` bytes of a file; false when those bytes do not hold a
// whole 32-bit PE header.
bool findSigningFields(const unsigned char* bytes, size_t count, SigningFields& fields);

// Zeroes both fields when the bytes hold them.
void clearSigningFields(unsigned char* bytes, size_t count);

inline uint32_t readLittleEndian32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
