#pragma once
// BMP files for the bitmap tests.
#include <string>

// A little-endian number of `bytes` bytes.
std::string littleEndian(unsigned value, int bytes);

// An uncompressed BMP with the 40-byte info header: the colour table (4 bytes per colour: blue,
// green, red, 0), then the pixel rows, bottom up, each already padded to 4 bytes.
std::string bmpBytes(int bits, int width, int height, const std::string& table,
                     const std::string& pixels);
