#include "ui/palette.h"

#include <windows.h>

#include <cstdlib>

void* createPalette(const unsigned char* colourTable, int entries) {
    LOGPALETTE* logical = static_cast<LOGPALETTE*>(
        std::malloc(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY)));
    if (!logical) std::abort();
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(entries);
    for (int i = 0; i < entries; ++i) {
        const unsigned char* entry = colourTable + 4 * i;
        logical->palPalEntry[i] = {entry[2], entry[1], entry[0], 0};
    }
    HPALETTE palette = CreatePalette(logical);
    std::free(logical);
    return palette;
}

void releasePalette(void* palette) {
    if (palette) DeleteObject(static_cast<HPALETTE>(palette));
}
