#pragma once
// Division of a 64-bit number by a small divisor in 32-bit steps. A 32-bit processor has no
// 64-bit division, and the compiler's routine for it would add over a kilobyte to the stub, whose
// only 64-bit divisions are by ten and a few other small numbers.
#include <cstdint>

struct SmallQuotient {
    uint64_t quotient;
    uint32_t remainder;
};

// divisor: 1 to 65535.
SmallQuotient divideSmall(uint64_t n, uint32_t divisor);
