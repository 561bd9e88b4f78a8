#include "platform/file_ops.h"

#include <windows.h>

#include "platform/path_names.h"

namespace {

FileDate localDate(const FILETIME& moment) {
    FileDate date;
    FILETIME local;
    SYSTEMTIME parts;
    if (FileTimeToLocalFileTime(&moment, &local) && FileTimeToSystemTime(&local, &parts)) {
        date.year = parts.wYear;
        date.month = parts.wMonth;
        date.day = parts.wDay;
        date.hour = parts.wHour;
        date.minute = parts.wMinute;
        date.second = parts.wSecond;
    }
    return date;
}

}  // namespace

bool PathExists(const char* path) {
    return path && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsLink(const char* path) {
    DWORD attributes = path ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool RenamePath(const char* from, const char* to) {
    // Without flags the move stays within one volume and never replaces.
    return from && to && !SameFile(from, to) && MoveFileExA(from, to, 0) != 0;
}

bool DeletePath(const char* path) {
    return path && DeleteFileA(path) != 0;
}

bool GetFileInfo(const char* path, FileInfo& info) {
    info = FileInfo();
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!path || !GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
    info.modified = localDate(data.ftLastWriteTime);
    info.created = localDate(data.ftCreationTime);
    info.size = (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}
