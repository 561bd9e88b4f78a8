#include "payload/signing_fields.h"

namespace {

// Offsets in the PE format: the DOS header's pointer to the "PE\0\0" signature, then from the
// optional header (24 bytes after the signature) its CheckSum and, by the header's kind, the
// fifth data directory entry.
const size_t newHeaderPointer = 0x3C;
const size_t optionalHeaderOffset = 24;
const size_t checksumInOptional = 64;
const size_t certificateInOptional32 = 128;
const size_t certificateInOptional64 = 144;

}  // namespace

bool findSigningFields(const unsigned char* bytes, size_t count, SigningFields& fields) {
    if (count < newHeaderPointer + 4 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
    size_t pe = readLittleEndian32(bytes + newHeaderPointer);
    size_t optional = pe + optionalHeaderOffset;
    if (pe > count || count - pe < optionalHeaderOffset + certificateInOptional64 +
                                       certificateEntrySize) {
        return false;
    }
    if (bytes[pe] != 'P' || bytes[pe + 1] != 'E' || bytes[pe + 2] || bytes[pe + 3]) return false;
    unsigned magic = bytes[optional] | bytes[optional + 1] << 8;
    if (magic != 0x10B && magic != 0x20B) return false;
    fields.checksumAt = optional + checksumInOptional;
    fields.certificateAt =
        optional + (magic == 0x10B ? certificateInOptional32 : certificateInOptional64);
    return true;
}

void clearSigningFields(unsigned char* bytes, size_t count) {
    SigningFields fields;
    if (!findSigningFields(bytes, count, fields)) return;
    for (size_t i = 0; i < checksumFieldSize; ++i) bytes[fields.checksumAt + i] = 0;
    for (size_t i = 0; i < certificateEntrySize; ++i) bytes[fields.certificateAt + i] = 0;
}
