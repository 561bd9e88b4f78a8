#include "params/small_division.h"

// Long division by 16-bit digits: each partial dividend stays below divisor * 65536, which
// 32 bits hold.
SmallQuotient divideSmall(uint64_t n, uint32_t divisor) {
    uint64_t quotient = 0;
    uint32_t rest = 0;
    for (int shift = 48; shift >= 0; shift -= 16) {
        uint32_t part = (rest << 16) | static_cast<uint32_t>((n >> shift) & 0xFFFF);
        quotient = (quotient << 16) | (part / divisor);
        rest = part % divisor;
    }
    return {quotient, rest};
}
