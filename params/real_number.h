#pragma once

// The C runtime's conversion of a checked decimal number text ("-12.5e3") to a real number,
// which the decimal texts use; each platform defines it (platform/*/real_number.cpp).
double RuntimeDecimalToReal(const char* text);
