#pragma once

// The C runtime's conversion of a checked decimal number text ("-12.5e3") to a real number.
double RuntimeDecimalToReal(const char* text);
