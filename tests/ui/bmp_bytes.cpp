#include "bmp_bytes.h"

std::string littleEndian(unsigned value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
}

std::string bmpBytes(int bits, int width, int height, const std::string& table,
                     const std::string& pixels) {
    unsigned offset = 14 + 40 + static_cast<unsigned>(table.size());
    unsigned size = static_cast<unsigned>(pixels.size());
    std::string info = littleEndian(40, 4) + littleEndian(width, 4) + littleEndian(height, 4) +
                       littleEndian(1, 2) + littleEndian(bits, 2) + littleEndian(0, 4) +
                       littleEndian(size, 4) + std::string(16, '\0');
    return "BM" + littleEndian(offset + size, 4) + littleEndian(0, 4) + littleEndian(offset, 4) +
           info + table + pixels;
}
