#include "tools/mkinstaller/windows_names.h"

#include <algorithm>
#include <optional>

#include "tools/mkinstaller/pack_error.h"

namespace {

// The characters that Windows-1252 places at 0x80 to 0x9F; 0 where it places none (those bytes
// stand for the same-numbered control characters).
const char32_t high[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<char> windowsByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        bool unassigned = high[i] == 0 && c == char32_t(0x80 + i);
        if (high[i] == c || unassigned) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// The code points of a strict UTF-8 text (no overlong forms, no surrogates); none when the text
// is not UTF-8.
std::optional<std::u32string> decodeUtf8(const std::string& text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80                    ? 0
                    : lead >= 0xC2 && lead <= 0xDF ? 1
                    : lead >= 0xE0 && lead <= 0xEF ? 2
                    : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                   : -1;
        if (extra < 0 || i + static_cast<size_t>(extra) >= text.size()) return std::nullopt;
        char32_t c = extra ? lead & (0x3F >> extra) : lead;
        for (int k = 1; k <= extra; ++k) {
            unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = c << 6 | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (c < smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        out += c;
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

}  // namespace

std::string windowsText(const std::string& text, const std::string& what) {
    std::optional<std::u32string> characters = decodeUtf8(text);
    if (!characters) return text;
    std::string bytes;
    for (char32_t c : *characters) {
        std::optional<char> b = windowsByte(c);
        if (!b) throw PackError(what + ": the name has a character that Windows-1252 cannot hold");
        bytes += *b;
    }
    return bytes;
}

std::string windowsName(const std::filesystem::path& file) {
    return windowsText(file.filename().u8string(), file.u8string());
}

namespace {

char windowsCaseFold(char c) {
    auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A:
        case 0x9C:
        case 0x9E: return static_cast<char>(b - 0x10);  // small s, oe, z caron
        case 0xFF: return static_cast<char>(0x9F);      // small y diaeresis
        default: return c;
    }
}

}  // namespace

std::string windowsCaseKey(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), windowsCaseFold);
    return name;
}

std::string utf8FromWindows(const std::string& bytes) {
    std::string text;
    for (char b : bytes) {
        auto byte = static_cast<unsigned char>(b);
        char32_t c = byte >= 0x80 && byte < 0xA0 && high[byte - 0x80] ? high[byte - 0x80] : byte;
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | c >> 6);
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | c >> 12);
            text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}
