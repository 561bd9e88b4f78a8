// Drawing a loaded bitmap into a memory bitmap and reading the pixels back.
#include "ui/win32/bitmap_drawing.h"

#include <gtest/gtest.h>

#include <string>

#include "../bmp_bytes.h"
#include "scratch_folder.h"
#include "ui/bitmap.h"

namespace {

// A 2 x 2 image, bottom-up: 8 bits per pixel with a colour table of four colours when `indexed`,
// 24 bits otherwise. Bottom row red, green; top row blue, white.
std::string twoByTwo(bool indexed) {
    const char colours[4][3] = {{0, 0, '\xff'}, {0, '\xff', 0}, {'\xff', 0, 0}, {'\xff', '\xff', '\xff'}};
    std::string table, pixels;
    if (indexed) {
        for (auto& c : colours) table += std::string(c, 3) + '\0';
        table += std::string(4 * 252, '\0');
        pixels = std::string("\x00\x01\x00\x00\x02\x03\x00\x00", 8);
    } else {
        pixels = std::string(colours[0], 3) + std::string(colours[1], 3) + std::string(2, '\0') +
                 std::string(colours[2], 3) + std::string(colours[3], 3) + std::string(2, '\0');
    }
    return bmpBytes(indexed ? 8 : 24, 2, 2, table, pixels);
}

struct MemoryCanvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target;
    HGDIOBJ previous;
    MemoryCanvas() {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, target);
        PatBlt(dc, 0, 0, 8, 8, BLACKNESS);
    }
    ~MemoryCanvas() {
        SelectObject(dc, previous);
        DeleteObject(target);
        DeleteDC(dc);
    }
};

}  // namespace

TEST(BitmapDrawing, StretchesIntoTheInclusiveRectangle) {
    ScratchFolder folder("drawing");
    for (bool indexed : {false, true}) {
        folder.write("p.bmp", twoByTwo(indexed));
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.load((folder / "p.bmp").c_str()));
        EXPECT_EQ(indexed, bitmap.palette != nullptr);
        MemoryCanvas canvas;
        EXPECT_EQ(1, drawBitmap(bitmap, canvas.dc, 0, 0, 3, 3));
        EXPECT_EQ(RGB(0, 0, 255), GetPixel(canvas.dc, 0, 0)) << indexed;  // top left: blue
        EXPECT_EQ(RGB(255, 255, 255), GetPixel(canvas.dc, 3, 1));
        EXPECT_EQ(RGB(255, 0, 0), GetPixel(canvas.dc, 1, 3));
        EXPECT_EQ(RGB(0, 255, 0), GetPixel(canvas.dc, 3, 3));
        EXPECT_EQ(RGB(0, 0, 0), GetPixel(canvas.dc, 4, 4));  // outside the rectangle
        // The whole image into one pixel, on a grey ground that is none of its colours.
        const COLORREF grey = RGB(128, 128, 128);
        HBRUSH ground = CreateSolidBrush(grey);
        RECT corner = {4, 4, 8, 8};
        FillRect(canvas.dc, &corner, ground);
        DeleteObject(ground);
        EXPECT_EQ(1, drawBitmap(bitmap, canvas.dc, 6, 6, 6, 6));
        EXPECT_NE(grey, GetPixel(canvas.dc, 6, 6));
        EXPECT_EQ(grey, GetPixel(canvas.dc, 5, 6));
        EXPECT_EQ(grey, GetPixel(canvas.dc, 7, 7));
    }
    Bitmap missing;
    missing.load((folder / "absent.bmp").c_str());
    MemoryCanvas canvas;
    EXPECT_EQ(0, drawBitmap(missing, canvas.dc, 0, 0, 7, 7));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(canvas.dc, 0, 0));
}
