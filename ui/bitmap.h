#pragma once

#include <cstdint>

#include "params/text_buffer.h"

// A picture read from a Windows BMP file, kept as the file holds it (info header, colour table,
// pixel rows) so that the platform can stretch it onto the screen unchanged.
struct Bitmap {
    Bitmap() = default;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    ~Bitmap();

    // Releases what the bitmap held and reads `path`; false with `error` set on failure.
    bool load(const char* path);

    // The platform's palette, for images of fewer than 16 bits per pixel only.
    void* palette = nullptr;
    int paletteEntries = 0;
    // The whole file but its 14-byte file header, and the pixel rows inside it.
    unsigned char* fileImage = nullptr;
    const unsigned char* pixels = nullptr;
    int32_t bitCount = 0;
    bool hasInfoHeader = false;
    int32_t width = 0, height = 0;
    // The error text of the last load; a bitmap with an error is never drawn.
    const char* error = nullptr;
    TextBuffer path;
    Bitmap* next = nullptr;

private:
    void release();
    bool readInfoHeader(int32_t imageLength, uint32_t pixelOffset);
};

// The pictures a run has loaded, newest first; they go with it.
struct BitmapCache {
    BitmapCache() = default;
    BitmapCache(const BitmapCache&) = delete;
    BitmapCache& operator=(const BitmapCache&) = delete;
    ~BitmapCache();

    Bitmap* newest = nullptr;
};

// The cached bitmap of exactly this path (bytes compared, letter case counts). When there is none,
// the file is loaded and cached even if the load fails, so that a failing path is read and
// reported once only: one diagnostic line "Erreur de BMP : ".
Bitmap* getBitmap(BitmapCache& cache, const char* path);
