#include <memory>

#include "params/file_stream.h"
#include "payload/checksum.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "payload/signing_fields.h"

// Both checksums go along in one reading: they differ only from the header's signing fields on.
int checksumMatches(const char* programPath, int64_t end) {
    const int32_t blockSize = 1 << 16;
    std::unique_ptr<unsigned char[]> block(new unsigned char[blockSize]);
    InFileStream in(programPath, FileMode::binary);
    uint32_t literal = 0;
    uint32_t neutral = 0;
    bool first = true;
    for (int64_t left = end - checksumLibrarySize; left > 0;) {
        int32_t n = in.read(reinterpret_cast<char*>(block.get()),
                            left < blockSize ? static_cast<int32_t>(left) : blockSize);
        if (n <= 0) break;
        literal = updateChecksum(literal, block.get(), static_cast<size_t>(n));
        if (first) clearSigningFields(block.get(), static_cast<size_t>(n));
        neutral = updateChecksum(neutral, block.get(), static_cast<size_t>(n));
        first = false;
        left -= n;
    }
    unsigned char stored[4];
    uint32_t expected =
        in.read(reinterpret_cast<char*>(stored), 4) == 4 ? readBigEndian32(stored) : 0;
    return (literal == expected ? checksumLiteral : 0) |
           (neutral == expected ? checksumSigningNeutral : 0);
}
