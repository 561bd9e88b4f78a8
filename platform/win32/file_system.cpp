#include "platform/file_system.h"

#include <windows.h>

#include <vector>

bool systemCopyFile(const char* source, const char* destination) {
    return CopyFileA(source, destination, FALSE) != 0;
}

bool systemMakeNormal(const char* path) {
    return SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL) != 0;
}

int64_t systemFileSize(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool systemCreateFolder(const char* path) {
    return CreateDirectoryA(path, nullptr) != 0;
}

bool systemRemoveFolder(const char* path) {
    return RemoveDirectoryA(path) != 0;
}

namespace {

// Runs call(room, size), a system call that writes a text and returns its length, or the room
// it needs when the room is too small; once more with that room when needed.
template <typename Call>
bool callForText(Call call, std::vector<char>& room) {
    DWORD n = call(room.data(), static_cast<DWORD>(room.size()));
    if (n >= room.size()) {
        room.resize(n);
        n = call(room.data(), n);
    }
    return n != 0 && n < room.size();
}

}  // namespace

bool systemResolvePath(const char* path, TextBuffer& resolved) {
    std::vector<char> full(MAX_PATH), longer(MAX_PATH);
    if (!callForText([&](char* room, DWORD size) {
            return GetFullPathNameA(path, size, room, nullptr);
        }, full))
        return false;
    // Only an existing path has a long form.
    if (!callForText([&](char* room, DWORD size) {
            return GetLongPathNameA(full.data(), room, size);
        }, longer))
        return false;
    resolved.assign(longer.data());
    return true;
}
