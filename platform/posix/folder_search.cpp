#include "platform/folder_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <cstring>
#include <utility>

#include "platform/posix/native_path.h"

struct FolderSearch {
    DIR* dir;
    TextBuffer namePattern;
};

namespace {

// Splits a pattern into the folder to list and the name pattern, the way the
// Windows search reads it: "*.*" matches every name, letter case is ignored.
void splitPattern(const char* pattern, TextBuffer& folder, TextBuffer& names) {
    TextBuffer native = nativePath(pattern);
    const char* slash = std::strrchr(native.text(), '/');
    if (!slash) {
        folder.assign(".");
        names.assign(native.text());
    } else {
        folder.append(native.text(),
                      slash == native.text() ? 1 : static_cast<int32_t>(slash - native.text()));
        names.assign(slash + 1);
    }
    if (std::strcmp(names.text(), "*.*") == 0) names.assign("*");
}

}  // namespace

FolderSearch* openFolderSearch(const char* pattern, FolderEntry& first) {
    TextBuffer folder, names;
    splitPattern(pattern, folder, names);
    DIR* dir = opendir(folder.text());
    if (!dir) return nullptr;
    FolderSearch* search = new FolderSearch{dir, std::move(names)};
    if (!nextFolderEntry(search, first)) {
        closeFolderSearch(search);
        return nullptr;
    }
    return search;
}

bool nextFolderEntry(FolderSearch* search, FolderEntry& entry) {
    while (const dirent* found = readdir(search->dir)) {
        if (fnmatch(search->namePattern.text(), found->d_name, FNM_CASEFOLD) != 0) continue;
        // Links are reported as what they are, not as their target, so that
        // removing a tree never follows one out of it.
        struct stat status;
        bool known = fstatat(dirfd(search->dir), found->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0;
        entry.name.assign(found->d_name);
        entry.isFolder = known && S_ISDIR(status.st_mode);
        entry.isLink = known && S_ISLNK(status.st_mode);
        entry.size = known && S_ISREG(status.st_mode) ? status.st_size : 0;
        return true;
    }
    return false;
}

void closeFolderSearch(FolderSearch* search) {
    closedir(search->dir);
    delete search;
}
