// The two check values the inflater computes, in place of zlib's own: its CRC-32 carries about
// 8 KB of tables and code and its Adler-32 nearly 2 KB, a large share of the stub's budget. The
// stub reads gzip data only (CRC-32); Adler-32 guards zlib-wrapped data, which it never meets,
// but the inflater refers to it. This CRC-32 reads four bytes per step, close to zlib's speed on
// long copies, through 4 KB of tables that are computed at the first call, on the heap (kept
// for the life of the process), so that they take no room in the program file.
#include <zlib.h>

#include <cstdint>
#include <cstring>

namespace {

uint32_t (*crcTables)[256] = nullptr;

// Only one thread inflates at a time (start-up, then the installation worker it starts), so the
// first call fills the tables before any other thread can read them.
void fillCrcTables() {
    crcTables = new uint32_t[4][256];
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        crcTables[0][n] = c;
    }
    for (int k = 1; k < 4; ++k) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t previous = crcTables[k - 1][n];
            crcTables[k][n] = (previous >> 8) ^ crcTables[0][previous & 0xFF];
        }
    }
}

}  // namespace

// Little-endian words, as on every processor the stub runs on.
uLong ZEXPORT crc32(uLong crc, const Bytef* buf, uInt len) {
    if (!buf) return 0;
    if (!crcTables) fillCrcTables();
    const auto t = crcTables;
    uint32_t c = ~static_cast<uint32_t>(crc);
    for (; len >= 4; buf += 4, len -= 4) {
        uint32_t word;
        std::memcpy(&word, buf, 4);
        c ^= word;
        c = t[3][c & 0xFF] ^ t[2][(c >> 8) & 0xFF] ^ t[1][(c >> 16) & 0xFF] ^ t[0][c >> 24];
    }
    for (; len > 0; ++buf, --len) c = t[0][(c ^ *buf) & 0xFF] ^ (c >> 8);
    return ~c;
}

uLong ZEXPORT adler32(uLong adler, const Bytef* buf, uInt len) {
    if (!buf) return 1;
    const uint32_t base = 65521;
    // The largest run whose sums cannot overflow 32 bits before they are reduced.
    const uInt longestRun = 5552;
    uint32_t a = adler & 0xFFFF, b = (adler >> 16) & 0xFFFF;
    while (len > 0) {
        uInt n = len < longestRun ? len : longestRun;
        len -= n;
        for (; n > 0; --n) {
            a += *buf++;
            b += a;
        }
        a %= base;
        b %= base;
    }
    return (b << 16) | a;
}
