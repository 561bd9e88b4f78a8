#include "platform/file_system.h"

#include <windows.h>
#include <sddl.h>

#include <cerrno>
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

// The runtime's error number for the reasons a folder cannot be made, which the script engine
// reports with the system's text as it does for the runtime's own calls. A folder that exists
// already is no failure of the caller's, so it leaves the number alone.
void setErrorNumberOf(DWORD error) {
    switch (error) {
    case ERROR_ALREADY_EXISTS: return;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: errno = EACCES; return;
    case ERROR_FILENAME_EXCED_RANGE: errno = ENAMETOOLONG; return;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: errno = ENOSPC; return;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: errno = ENOENT; return;
    default: errno = EIO; return;
    }
}

bool systemCreateFolder(const char* path) {
    if (CreateDirectoryA(path, nullptr)) return true;
    setErrorNumberOf(GetLastError());
    return false;
}

bool systemRemoveFolder(const char* path) {
    return RemoveDirectoryA(path) != 0;
}

bool systemProtectFolder(const char* path) {
    // Full control for the system and the administrators, reading and running for the users,
    // inherited by everything made in the folder; nothing from the folders above.
    PSECURITY_DESCRIPTOR descriptor;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(
            "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;GRGX;;;BU)", SDDL_REVISION_1, &descriptor,
            nullptr))
        return false;
    bool set = SetFileSecurityA(path, DACL_SECURITY_INFORMATION, descriptor) != 0;
    LocalFree(descriptor);
    return set;
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
