#include "payload/signing_fields.h"

namespace {

// Offsets in the PE format: the DOS header's pointer to the "PE\0\0" signature, then from the
// signature the CheckSum field and the fifth data directory entry of a 32-bit optional header
// (the stub is a 32-bit program).
const size_t newHeaderPointer = 0x3C;
const size_t checksumFromSignature = 24 + 64;
const size_t certificateFromSignature = 24 + 128;

}  // namespace

bool findSigningFields(const unsigned char* bytes, size_t count, SigningFields& fields) {
    if (count < newHeaderPointer + 4 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
    size_t pe = readLittleEndian32(bytes + newHeaderPointer);
    if (pe > count || count - pe < certificateFromSignature + certificateEntrySize) return false;
    const unsigned char* header = bytes + pe;
    // "PE\0\0", then 0x10B: the magic number of a 32-bit optional header.
    if (readLittleEndian32(header) != 0x4550 || header[24] != 0x0B || header[25] != 1)
        return false;
    fields.checksumAt = pe + checksumFromSignature;
    fields.certificateAt = pe + certificateFromSignature;
    return true;
}

void clearSigningFields(unsigned char* bytes, size_t count) {
    SigningFields fields;
    if (!findSigningFields(bytes, count, fields)) return;
    for (size_t i = 0; i < checksumFieldSize; ++i) bytes[fields.checksumAt + i] = 0;
    for (size_t i = 0; i < certificateEntrySize; ++i) bytes[fields.certificateAt + i] = 0;
}
