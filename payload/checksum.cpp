#include "payload/checksum.h"

#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

uint32_t rotateLeft(uint32_t value, int bits) {
    return value << bits | value >> (32 - bits);
}

uint32_t updateBytewise(uint32_t checksum, const unsigned char* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) checksum = rotateLeft(checksum, 1) + bytes[i];
    return checksum;
}

// The sum of bytes[i] * 2^(15-i) over 16 bytes (below 2^24).
#ifdef __SSE2__
uint32_t weighSixteenBytes(const unsigned char* bytes) {
    const __m128i weights = _mm_setr_epi16(128, 64, 32, 16, 8, 4, 2, 1);
    const __m128i zero = _mm_setzero_si128();
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    __m128i first = _mm_madd_epi16(_mm_unpacklo_epi8(v, zero), weights);
    __m128i second = _mm_madd_epi16(_mm_unpackhi_epi8(v, zero), weights);
    __m128i sums = _mm_add_epi32(_mm_slli_epi32(first, 8), second);
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, 0x4E));
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, 0xB1));
    return static_cast<uint32_t>(_mm_cvtsi128_si32(sums));
}
#else
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "bytes are loaded as a little-endian word");

// The sum of bytes[i] * 2^(7-i) over 8 bytes, by pairing neighbours: each level weighs the
// earlier half by the size of the later one. No partial sum outgrows its lane.
uint32_t weighEightBytes(const unsigned char* bytes) {
    uint64_t w;
    std::memcpy(&w, bytes, sizeof w);
    const uint64_t bytesMask = 0x00FF00FF00FF00FFull, pairsMask = 0x0000FFFF0000FFFFull;
    uint64_t pairs = ((w & bytesMask) << 1) + ((w >> 8) & bytesMask);
    uint64_t quads = ((pairs & pairsMask) << 2) + ((pairs >> 16) & pairsMask);
    return static_cast<uint32_t>(((quads & 0xFFFFFFFFu) << 4) + (quads >> 32));
}

uint32_t weighSixteenBytes(const unsigned char* bytes) {
    return (weighEightBytes(bytes) << 8) + weighEightBytes(bytes + 8);
}
#endif

}  // namespace

// Sixteen bytes at once. Byte by byte, step j rotates rotl^(j-1)(s) + P, where P, the weighted
// sum of the bytes so far, is below 2^(j+7); adding P can carry into bit 31 (and so change what
// the rotation brings round) only when bits j+7 to 30 of rotl^(j-1)(s) are all ones, that is
// bits 8 to 31-j of s. So when bits 8 to 15 of s hold a zero, no step sees such a carry and the
// sixteen steps reduce to rotl^16(s) + sum of bytes[i] * 2^(15-i). Otherwise (one state in 256)
// the block goes byte by byte. The state's dependency chain then costs one rotation and one
// addition per block instead of per byte.
uint32_t updateChecksum(uint32_t checksum, const unsigned char* bytes, size_t count) {
    const size_t block = 16;
    for (; count >= block; bytes += block, count -= block) {
        if ((checksum & 0xFF00u) == 0xFF00u)
            checksum = updateBytewise(checksum, bytes, block);
        else
            checksum = rotateLeft(checksum, 16) + weighSixteenBytes(bytes);
    }
    return updateBytewise(checksum, bytes, count);
}
