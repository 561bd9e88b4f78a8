#include "params/real_number.h"

// msvcrt's own strtod. Through the C++ headers, strtod becomes mingw's replacement, which brings
// its whole floating-point formatting engine (tens of KB) into the stub. The symbol carries the
// target's label prefix ("_" on 32-bit Windows, none on 64-bit).
#define LABEL_TEXT(prefix) #prefix
#define PREFIXED_LABEL(prefix, name) LABEL_TEXT(prefix) name
extern "C" double __cdecl msvcrtStrtod(const char* text, char** end)
    __asm__(PREFIXED_LABEL(__USER_LABEL_PREFIX__, "strtod"));

double RuntimeDecimalToReal(const char* text) {
    return msvcrtStrtod(text, nullptr);
}
