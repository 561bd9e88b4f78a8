#include "ui/win32/bitmap_drawing.h"

#include "ui/bitmap.h"

int drawBitmap(const Bitmap& bitmap, HDC dc, int left, int top, int right, int bottom) {
    if (bitmap.error || !bitmap.pixels) return 0;
    HPALETTE previous = nullptr;
    if (bitmap.palette) {
        previous = SelectPalette(dc, static_cast<HPALETTE>(bitmap.palette), FALSE);
        RealizePalette(dc);
    }
    StretchDIBits(dc, left, top, right - left + 1, bottom - top + 1, 0, 0, bitmap.width,
                  bitmap.height, bitmap.pixels,
                  reinterpret_cast<const BITMAPINFO*>(bitmap.fileImage), DIB_RGB_COLORS, SRCCOPY);
    if (previous) SelectPalette(dc, previous, FALSE);
    return 1;
}
