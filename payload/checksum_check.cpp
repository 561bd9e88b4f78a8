#include <memory>

#include "params/file_stream.h"
#include "payload/checksum.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"

bool checksumMatches(const char* programPath, int64_t end) {
    const int32_t blockSize = 1 << 16;
    std::unique_ptr<char[]> block(new char[blockSize]);
    InFileStream in(programPath, FileMode::binary);
    uint32_t checksum = 0;
    for (int64_t left = end - checksumLibrarySize; left > 0;) {
        int32_t n = in.read(block.get(), left < blockSize ? static_cast<int32_t>(left) : blockSize);
        if (n <= 0) break;
        checksum = updateChecksum(checksum, reinterpret_cast<unsigned char*>(block.get()),
                                  static_cast<size_t>(n));
        left -= n;
    }
    unsigned char stored[4];
    uint32_t expected =
        in.read(reinterpret_cast<char*>(stored), 4) == 4 ? readBigEndian32(stored) : 0;
    return checksum == expected;
}
