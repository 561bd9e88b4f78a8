#include "ui/palette.h"

void* createPalette(const unsigned char*, int) {
    return nullptr;
}

void releasePalette(void*) {}
