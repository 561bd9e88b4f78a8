#include "tools/mkinstaller/windows_names.h"

#include <algorithm>

#include "platform/code_page.h"
#include "tools/mkinstaller/pack_error.h"

std::string windowsText(const std::string& text, const std::string& what) {
    std::string bytes;
    bool held = true;
    const char* end = text.data() + text.size();
    for (const char* p = text.data(); p < end;) {
        uint32_t character;
        int32_t length = readUtf8Character(p, end, character);
        if (length == 0) return text;  // not UTF-8: Windows-1252 already
        int32_t byte = windows1252Byte(character);
        held = held && byte >= 0;
        bytes += static_cast<char>(byte);
        p += length;
    }
    if (!held) throw PackError(what + ": the name has a character that Windows-1252 cannot hold");
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

std::string installerPath(const std::filesystem::path& path) {
    return windowsText(path.u8string(), path.u8string());
}

std::filesystem::path systemPath(const char* installerPath) {
    return std::filesystem::u8path(utf8FromWindows1252(installerPath).text());
}
