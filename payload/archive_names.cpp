#include "payload/archive_names.h"

#include <cstring>

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether the first length bytes of name equal word (upper case) without regard to letter case.
bool sameLetters(const char* name, int32_t length, const char* word) {
    if (static_cast<size_t>(length) != std::strlen(word)) return false;
    for (int32_t i = 0; i < length; ++i)
        if (upper(name[i]) != word[i]) return false;
    return true;
}

// Windows also takes the superscript digits one to three of Windows-1252 for port numbers.
bool isPortDigit(char c) {
    return (c >= '1' && c <= '9') || c == '\xB9' || c == '\xB2' || c == '\xB3';
}

}  // namespace

bool isBlankName(const char* name, int32_t length) {
    for (int32_t i = 0; i < length; ++i)
        if (!isBlank(name[i])) return false;
    return true;
}

// Windows drops trailing blanks and dots from a name, so ".. " reaches the parent folder as ".."
// does, and "..." names the folder itself: every name made of dots and blanks only is refused.
bool staysInFolder(const char* name, int32_t length) {
    int32_t dots = 0, others = 0;
    for (int32_t i = 0; i < length; ++i) {
        char c = name[i];
        if (c == '\\' || c == '/' || c == ':') return false;
        if (c == '.')
            ++dots;
        else if (!isBlank(c))
            ++others;
    }
    return others > 0 || dots == 0;
}

bool isDeviceName(const char* name, int32_t length) {
    int32_t base = 0;
    while (base < length && name[base] != '.') ++base;
    while (base > 0 && name[base - 1] == ' ') --base;
    static const char* const devices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : devices)
        if (sameLetters(name, base, device)) return true;
    return base == 4 && (sameLetters(name, 3, "COM") || sameLetters(name, 3, "LPT")) &&
           isPortDigit(name[3]);
}

bool windowsKeepsName(const char* name, int32_t length) {
    if (length > 0 && (name[length - 1] == '.' || isBlank(name[length - 1]))) return false;
    return !isDeviceName(name, length);
}

bool isSafeName(const char* name) {
    auto length = static_cast<int32_t>(std::strlen(name));
    return staysInFolder(name, length) && windowsKeepsName(name, length);
}
