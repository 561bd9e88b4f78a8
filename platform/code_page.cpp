#include "platform/code_page.h"

#include <cstring>

namespace {

// The characters Windows-1252 places at 0x80 to 0x9F; 0 where it places
// none.
const uint16_t high[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

uint32_t characterOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 && high[byte - 0x80] ? high[byte - 0x80] : byte;
}

// Every Windows-1252 character lies below 0x10000: three bytes at most.
void appendUtf8(TextBuffer& text, uint32_t c) {
    if (c < 0x80) {
        text.appendChar(static_cast<char>(c));
    } else if (c < 0x800) {
        text.appendChar(static_cast<char>(0xC0 | c >> 6));
        text.appendChar(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        text.appendChar(static_cast<char>(0xE0 | c >> 12));
        text.appendChar(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        text.appendChar(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

int32_t readUtf8Character(const char* p, const char* end, uint32_t& character) {
    auto lead = static_cast<unsigned char>(*p);
    int32_t extra = lead < 0x80                    ? 0
                    : lead >= 0xC2 && lead <= 0xDF ? 1
                    : lead >= 0xE0 && lead <= 0xEF ? 2
                    : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                   : -1;
    if (extra < 0 || end - p <= extra) return 0;
    uint32_t c = extra ? lead & (0x3F >> extra) : lead;
    for (int32_t k = 1; k <= extra; ++k) {
        auto next = static_cast<unsigned char>(p[k]);
        if ((next & 0xC0) != 0x80) return 0;
        c = c << 6 | (next & 0x3F);
    }
    const uint32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    character = c;
    return extra + 1;
}

int32_t windows1252Byte(uint32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int32_t>(character);
    for (int32_t b = 0x80; b < 0xA0; ++b)
        if (characterOf(static_cast<unsigned char>(b)) == character) return b;
    return -1;
}

TextBuffer utf8FromWindows1252(const char* text) {
    TextBuffer utf8;
    for (const char* p = text; p && *p; ++p)
        appendUtf8(utf8, characterOf(static_cast<unsigned char>(*p)));
    return utf8;
}

TextBuffer windows1252FromUtf8(const char* text) {
    TextBuffer bytes;
    const char* end = text ? text + std::strlen(text) : nullptr;
    for (const char* p = text; p < end;) {
        uint32_t c;
        int32_t n = readUtf8Character(p, end, c);
        if (n == 0) {
            bytes.appendChar(*p++);
            continue;
        }
        int32_t b = windows1252Byte(c);
        bytes.appendChar(b < 0 ? '?' : static_cast<char>(b));
        p += n;
    }
    return bytes;
}
