#include "params/real_number.h"

// msvcrt's own strtod. Through the C++ headers, strtod becomes mingw's replacement, which brings
// its whole floating-point formatting engine (tens of KB) into the stub.
extern "C" double __cdecl msvcrtStrtod(const char* text, char** end) __asm__("_strtod");

double RuntimeDecimalToReal(const char* text) {
    return msvcrtStrtod(text, nullptr);
}
