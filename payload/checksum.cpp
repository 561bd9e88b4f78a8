#include "payload/checksum.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <emmintrin.h>
#define CHECKSUM_SSE2 1
#endif

namespace {

uint32_t rotateLeft(uint32_t value, int bits) {
    return value << bits | value >> (32 - bits);
}

uint32_t updateBytewise(uint32_t checksum, const unsigned char* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) checksum = rotateLeft(checksum, 1) + bytes[i];
    return checksum;
}

#ifdef CHECKSUM_SSE2
// The stub is built for any 32-bit x86, which need not have SSE2, so the SSE2 code is compiled
// for that one function and chosen at run time; every 64-bit x86 has it.
bool hasSse2() {
    unsigned a, b, c, d;
    return __get_cpuid(1, &a, &b, &c, &d) && (d & bit_SSE2) != 0;
}

// The sum of bytes[i] * 2^(15-i) over 16 bytes (below 2^24). Neighbouring lanes pair up three
// times, the earlier (lower) one weighed by the later one's span: shifting it to the top of the
// wider lane and back by less multiplies it without a mask, so no constant is needed.
__attribute__((target("sse2"))) inline uint32_t weighSixteenBytes(const unsigned char* bytes) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    __m128i pairs = _mm_add_epi16(_mm_srli_epi16(_mm_slli_epi16(v, 8), 7), _mm_srli_epi16(v, 8));
    __m128i quads =
        _mm_add_epi32(_mm_srli_epi32(_mm_slli_epi32(pairs, 16), 14), _mm_srli_epi32(pairs, 16));
    __m128i eights =
        _mm_add_epi64(_mm_srli_epi64(_mm_slli_epi64(quads, 32), 28), _mm_srli_epi64(quads, 32));
    return (static_cast<uint32_t>(_mm_cvtsi128_si32(eights)) << 8) +
           static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(eights, 8)));
}

// Sixteen bytes at once. Byte by byte, step j rotates rotl^(j-1)(s) + P, where P, the weighted
// sum of the bytes so far, is below 2^(j+7); adding P can carry into bit 31 (and so change what
// the rotation brings round) only when bits j+7 to 30 of rotl^(j-1)(s) are all ones, that is
// bits 8 to 31-j of s. So when bits 8 to 15 of s hold a zero, no step sees such a carry and the
// sixteen steps reduce to rotl^16(s) + sum of bytes[i] * 2^(15-i). Otherwise (one state in 256)
// the block goes byte by byte. The state's dependency chain then costs one rotation and one
// addition per block instead of per byte.
__attribute__((target("sse2"))) uint32_t updateBlocks(uint32_t checksum,
                                                      const unsigned char* bytes, size_t blocks) {
    for (; blocks > 0; bytes += 16, --blocks) {
        if ((checksum & 0xFF00u) == 0xFF00u)
            checksum = updateBytewise(checksum, bytes, 16);
        else
            checksum = rotateLeft(checksum, 16) + weighSixteenBytes(bytes);
    }
    return checksum;
}
#endif

}  // namespace

uint32_t updateChecksum(uint32_t checksum, const unsigned char* bytes, size_t count) {
#ifndef CHECKSUM_SSE2
    return updateBytewise(checksum, bytes, count);
#else
    // Asked once: the answer cannot change, and asking costs more than a block.
    static const bool sse2 = hasSse2();
    if (!sse2) return updateBytewise(checksum, bytes, count);
    checksum = updateBlocks(checksum, bytes, count / 16);
    return updateBytewise(checksum, bytes + count / 16 * 16, count % 16);
#endif
}
