// Reading BMP files written by the test, and the cache that keeps them for the run.
#include "ui/bitmap.h"

#include <gtest/gtest.h>

#include <string>

#include "bmp_bytes.h"
#include "captured_diagnostics.h"
#include "scratch_folder.h"

namespace {

// A 3 x 2 image of `bits` bits per pixel: a colour table for fewer than 16 bits, then rows of
// bytes 0x11, 0x22, ...
std::string bmpFile(int bits) {
    int entries = bits < 16 ? 1 << bits : 0;
    int rowBytes = (3 * bits + 31) / 32 * 4;
    std::string table, pixels;
    for (int i = 0; i < entries; ++i) table += std::string("\x10\x20\x30\x00", 4);
    for (int i = 0; i < rowBytes * 2; ++i) pixels += static_cast<char>(0x11 * (i % 15 + 1));
    return bmpBytes(bits, 3, 2, table, pixels);
}

struct Bitmaps : ::testing::Test {
    ScratchFolder folder{"bitmaps"};
    std::string file(const std::string& name, const std::string& bytes) {
        folder.write(name, bytes);
        return folder / name;
    }
};

}  // namespace

TEST_F(Bitmaps, EachDepthWithItsPalette) {
    const struct {
        int bits, entries;
    } depths[] = {{1, 2}, {4, 16}, {8, 256}, {24, 0}};
    for (auto depth : depths) {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.load(file("d.bmp", bmpFile(depth.bits)).c_str())) << depth.bits;
        EXPECT_EQ(nullptr, bitmap.error);
        EXPECT_TRUE(bitmap.hasInfoHeader);
        EXPECT_EQ(depth.bits, bitmap.bitCount);
        EXPECT_EQ(3, bitmap.width);
        EXPECT_EQ(2, bitmap.height);
        EXPECT_EQ(depth.entries, bitmap.paletteEntries);
        EXPECT_EQ(0x11, bitmap.pixels[0]);
        EXPECT_EQ(40u, static_cast<unsigned>(bitmap.pixels - bitmap.fileImage) - 4 * depth.entries);
    }
}

TEST_F(Bitmaps, FailuresAreNamed) {
    std::string core = "BM" + std::string(8, '\0') + littleEndian(26, 4) + littleEndian(12, 4) +
                       littleEndian(5, 2) + littleEndian(7, 2) + littleEndian(1, 2) + littleEndian(8, 2);
    std::string full = bmpFile(24);
    const struct {
        std::string path;
        const char* error;
    } cases[] = {
        {folder / "absent.bmp", "Fichier BMP introuvable"},
        {file("short.bmp", "BM123456789"), "Ce n'est pas un fichier BMP"},
        {file("core.bmp", core), "Ancien BitMap non pris en charge"},
        // Pixel rows the header promises but the file lacks, and a colour table cut short.
        {file("cut.bmp", full.substr(0, full.size() - 1)), "Ce n'est pas un fichier BMP"},
        {file("table.bmp", bmpFile(8).substr(0, 14 + 40 + 100)), "Ce n'est pas un fichier BMP"},
    };
    for (const auto& c : cases) {
        Bitmap bitmap;
        EXPECT_FALSE(bitmap.load(c.path.c_str()));
        EXPECT_STREQ(c.error, bitmap.error) << c.path;
        EXPECT_EQ(0, bitmap.paletteEntries);
    }
    Bitmap old;
    old.load((folder / "core.bmp").c_str());
    EXPECT_EQ(8, old.bitCount);
    EXPECT_EQ(5, old.width);
    EXPECT_EQ(7, old.height);
}

TEST_F(Bitmaps, CacheLoadsAndReportsEachPathOnce) {
    std::string good = file("logo.bmp", bmpFile(8));
    std::string missing = folder / "absent.bmp";
    CapturedDiagnostics diagnostics;
    BitmapCache cache;
    Bitmap* logo = getBitmap(cache, good.c_str());
    EXPECT_EQ(logo, getBitmap(cache, good.c_str()));
    Bitmap* failed = getBitmap(cache, missing.c_str());
    EXPECT_EQ(failed, getBitmap(cache, missing.c_str()));
    EXPECT_EQ("Erreur de BMP : " + missing + " : Fichier BMP introuvable\n", diagnostics.text());
    // Letter case makes another entry.
    std::string upper = good.substr(0, good.size() - 8) + "LOGO.BMP";
    EXPECT_NE(logo, getBitmap(cache, upper.c_str()));
}
