#include "platform/file_ops.h"

#include "platform/file_system.h"
#include "platform/folder_enumerator.h"
#include "platform/path_names.h"

bool FolderExists(const char* path) {
    FolderEnumerator listing;
    return listing.Open(path);
}

FileBefore fileBefore(const MadeObserver* made, const char* path) {
    return made && PathExists(path) ? FileBefore::present : FileBefore::absent;
}

void tellFileWritten(MadeObserver* made, const char* path, FileBefore before) {
    if (made) made->fileWritten(path, before);
}

void tellFolderMade(MadeObserver* made, const char* path) {
    if (made) made->folderMade(path);
}

bool CopyFileOver(const char* source, const char* destination, CopyCounter* copied) {
    if (!source || !destination || SameFile(source, destination)) return false;
    MadeObserver* made = copied ? copied->made : nullptr;
    FileBefore before = fileBefore(made, destination);
    if (!systemCopyFile(source, destination)) {
        // A read-only, hidden or system destination refuses to be replaced.
        systemMakeNormal(destination);
        if (!systemCopyFile(source, destination)) return false;
    }
    if (!systemMakeNormal(destination)) return false;
    if (copied) {
        int64_t size = systemFileSize(destination);
        copied->add(size > 0 ? size : 0);
    }
    tellFileWritten(made, destination, before);
    return true;
}
