#include "params/decimal.h"

#include "params/real_number.h"

#include "params/text_buffer.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The white space that the C runtime's conversions skip.
const char* skipSpace(const char* p) {
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    return p;
}

}  // namespace

int32_t decimalToInt(const char* text) {
    if (!text) return 0;
    const char* p = skipSpace(text);
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    int64_t n = 0;
    for (; isDigit(*p); ++p) {
        n = n * 10 + (*p - '0');
        if (n > int64_t{INT32_MAX} + 1) n = int64_t{INT32_MAX} + 1;  // saturate; clamped below
    }
    if (negative) n = -n;
    if (n > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(n);
}

double decimalToReal(const char* text) {
    if (!text) return 0;
    const char* start = skipSpace(text);
    const char* p = start;
    if (*p == '-' || *p == '+') ++p;
    const char* digits = p;
    while (isDigit(*p)) ++p;
    bool any = p != digits;
    if (*p == '.') {
        const char* fraction = ++p;
        while (isDigit(*p)) ++p;
        any = any || p != fraction;
    }
    if (!any) return 0;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '-' || *q == '+') ++q;
        if (isDigit(*q)) {
            while (isDigit(*q)) ++q;
            p = q;
        }
    }
    // The C runtime rounds correctly; it only sees the part checked above,
    // so its extra forms (hexadecimal, infinity) never apply.
    TextBuffer number;
    number.append(start, static_cast<int32_t>(p - start));
    return RuntimeDecimalToReal(number.text());
}

int32_t truncateToInt(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);
}
