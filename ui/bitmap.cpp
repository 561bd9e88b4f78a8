#include "ui/bitmap.h"

#include <cstdio>
#include <cstdlib>

#include "params/open_file.h"
#include "ui/palette.h"

namespace {

const char* const notABitmap = "Ce n'est pas un fichier BMP";
const int fileHeaderSize = 14, infoHeaderSize = 40;

uint32_t le32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

int32_t le16(const unsigned char* p) {
    return p[0] | p[1] << 8;
}

// The length of a file, or -1.
long fileLength(FILE* in) {
    long length = std::fseek(in, 0, SEEK_END) == 0 ? std::ftell(in) : -1;
    std::rewind(in);
    return length;
}

// Whether the pixel rows the header describes lie inside the image, so that drawing never reads
// past the buffer: whole rows for uncompressed images, the stated data size for compressed ones.
bool pixelsInside(const unsigned char* header, int32_t imageLength, uint32_t pixelOffset) {
    if (pixelOffset < static_cast<uint32_t>(fileHeaderSize)) return false;
    int64_t start = pixelOffset - fileHeaderSize;
    int64_t width = static_cast<int32_t>(le32(header + 4));
    int64_t height = static_cast<int32_t>(le32(header + 8));
    uint32_t compression = le32(header + 16);
    int64_t bytes = le32(header + 20);
    if (compression == 0 || compression == 3) {
        int64_t rowBytes = ((width < 0 ? -width : width) * le16(header + 14) + 31) / 32 * 4;
        bytes = rowBytes * (height < 0 ? -height : height);
    }
    return start + bytes <= imageLength;
}

}  // namespace

Bitmap::~Bitmap() {
    release();
}

void Bitmap::release() {
    releasePalette(palette);
    palette = nullptr;
    paletteEntries = 0;
    std::free(fileImage);
    fileImage = nullptr;
    pixels = nullptr;
    bitCount = width = height = 0;
    hasInfoHeader = false;
    error = nullptr;
}

bool Bitmap::load(const char* file) {
    release();
    path.assign(file);
    FILE* in = OpenFileDenyingWrites(file);
    if (!in) {
        error = "Fichier BMP introuvable";
        return false;
    }
    long length = fileLength(in);
    unsigned char fileHeader[fileHeaderSize];
    bool loaded = false;
    if (length < fileHeaderSize || std::fread(fileHeader, 1, fileHeaderSize, in) != fileHeaderSize) {
        error = notABitmap;
    } else {
        int32_t imageLength = static_cast<int32_t>(length - fileHeaderSize);
        fileImage = static_cast<unsigned char*>(std::malloc(imageLength + 1));
        if (!fileImage) std::abort();
        if (std::fread(fileImage, 1, imageLength, in) != static_cast<size_t>(imageLength)) {
            error = "Erreur de lecture du fichier BMP";
        } else {
            loaded = readInfoHeader(imageLength, le32(fileHeader + 10));
        }
    }
    std::fclose(in);
    return loaded;
}

bool Bitmap::readInfoHeader(int32_t imageLength, uint32_t pixelOffset) {
    if (imageLength >= infoHeaderSize && le32(fileImage) == infoHeaderSize) {
        hasInfoHeader = true;
        bitCount = le16(fileImage + 14);
        width = static_cast<int32_t>(le32(fileImage + 4));
        height = static_cast<int32_t>(le32(fileImage + 8));
        int entries = bitCount < 16 ? 1 << bitCount : 0;
        if (infoHeaderSize + 4 * entries > imageLength ||
            !pixelsInside(fileImage, imageLength, pixelOffset)) {
            error = notABitmap;
            return false;
        }
        pixels = fileImage + (pixelOffset - fileHeaderSize);
        if (entries) {
            palette = createPalette(fileImage + infoHeaderSize, entries);
            paletteEntries = entries;
        }
        return true;
    }
    // The 12-byte core header of old bitmaps.
    if (imageLength >= 12) {
        bitCount = le16(fileImage + 10);
        width = le16(fileImage + 4);
        height = le16(fileImage + 6);
    }
    error = "Ancien BitMap non pris en charge";
    return false;
}
