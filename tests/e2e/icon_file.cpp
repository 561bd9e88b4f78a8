#include "icon_file.h"

#include <windows.h>

std::string iconImage(int size, uint32_t colour) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = size;
    header.biHeight = size * 2;
    header.biPlanes = 1;
    header.biBitCount = 32;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (int n = 0; n < size * size; ++n) bytes.append(reinterpret_cast<const char*>(&colour), 4);
    bytes.append(size_t((size + 31) / 32 * 4 * size), '\0');
    return bytes;
}

std::string iconFile(const std::vector<int>& sizes, uint32_t colour) {
    std::string head(6, '\0'), images;
    head[2] = 1;
    head[4] = char(sizes.size());
    for (int size : sizes) {
        std::string image = iconImage(size, colour);
        uint32_t entry[4] = {uint32_t(size) | uint32_t(size) << 8, 1u | 32u << 16,
                             uint32_t(image.size()),
                             uint32_t(6 + 16 * sizes.size() + images.size())};
        head.append(reinterpret_cast<const char*>(entry), sizeof entry);
        images += image;
    }
    return head + images;
}
