#pragma once

// The platform's logical palette for the colour table of a bitmap: `entries` 4-byte entries
// stored blue, green, red, reserved. Native builds draw nothing and make none (null).
void* createPalette(const unsigned char* colourTable, int entries);
void releasePalette(void* palette);
