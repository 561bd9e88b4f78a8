#include "platform/file_system.h"

#include <windows.h>

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
