#include "params/real_number.h"

#include <cstdlib>

double RuntimeDecimalToReal(const char* text) {
    return std::strtod(text, nullptr);
}
