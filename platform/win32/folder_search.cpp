#include "platform/folder_search.h"

#include <windows.h>

struct FolderSearch {
    HANDLE handle;
};

namespace {

void fillEntry(const WIN32_FIND_DATAA& found, FolderEntry& entry) {
    entry.name.assign(found.cFileName);
    entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entry.size = (static_cast<int64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
}

}  // namespace

FolderSearch* openFolderSearch(const char* pattern, FolderEntry& first) {
    WIN32_FIND_DATAA found;
    HANDLE handle = FindFirstFileA(pattern, &found);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    fillEntry(found, first);
    return new FolderSearch{handle};
}

bool nextFolderEntry(FolderSearch* search, FolderEntry& entry) {
    WIN32_FIND_DATAA found;
    if (!FindNextFileA(search->handle, &found)) return false;
    fillEntry(found, entry);
    return true;
}

void closeFolderSearch(FolderSearch* search) {
    FindClose(search->handle);
    delete search;
}
