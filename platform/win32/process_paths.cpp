#include "platform/process_paths.h"

#include <windows.h>

#include <vector>

TextBuffer ModulePath() {
    // The call cuts the path to the room given without saying how much it
    // needs, so the room grows until the whole path fits.
    std::vector<char> room(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, room.data(), static_cast<DWORD>(room.size()));
        if (n == 0) return TextBuffer();
        if (n < room.size()) return TextBuffer(room.data());
        room.resize(room.size() * 2);
    }
}

TextBuffer CurrentFolder() {
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    for (;;) {
        if (needed == 0) return TextBuffer(".");
        std::vector<char> room(needed);
        DWORD n = GetCurrentDirectoryA(needed, room.data());
        if (n == 0) return TextBuffer(".");
        if (n < needed) return TextBuffer(room.data());
        needed = n;  // the folder changed between the two calls
    }
}

bool SetCurrentFolder(const char* path) {
    return path && SetCurrentDirectoryA(path) != 0;
}
