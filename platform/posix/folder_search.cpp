#include "platform/folder_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <cstring>
#include <utility>

#include "platform/path_names.h"
#include "platform/posix/native_path.h"

struct FolderSearch {
    DIR* dir;
    TextBuffer namePattern;
};

namespace {

// Splits a pattern into the folder to list, in the system's form, and the
// name pattern, matched against names as the program holds them. As in the
// Windows search, "*.*" matches every name and letter case is ignored.
void splitPattern(const char* pattern, TextBuffer& folder, TextBuffer& names) {
    TextBuffer parent = ParentPath(pattern);
    // "/x" (or "\x") has an empty parent: the root.
    folder = nativePath(parent.empty() ? "/" : parent.text());
    names = BaseName(pattern);
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
        TextBuffer name = programText(found->d_name);
        if (fnmatch(search->namePattern.text(), name.text(), FNM_CASEFOLD) != 0) continue;
        // Links are reported as what they are, not as their target, so that
        // removing a tree never follows one out of it.
        struct stat status;
        bool known = fstatat(dirfd(search->dir), found->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0;
        entry.name = std::move(name);
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
