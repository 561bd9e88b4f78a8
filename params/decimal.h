#pragma once

#include <cstdint>

// Leading white space skipped, optional sign, then decimal digits up to the
// first other character; 0 when nothing converts, clamped to the 32-bit
// range. Null reads as 0.
int32_t decimalToInt(const char* text);

// The longest leading decimal floating-point number (white space skipped,
// optional sign, digits, optional fraction, optional exponent); 0 when
// nothing converts. No hexadecimal, infinity or NaN forms. Null reads as 0.
double decimalToReal(const char* text);

// A real truncated toward zero, clamped to the 32-bit range.
int32_t truncateToInt(double value);
