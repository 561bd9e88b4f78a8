#include "platform/folder_ops.h"

#include <cstring>
#include <utility>
#include <vector>

#include "params/fold_upper.h"
#include "platform/file_system.h"
#include "platform/folder_enumerator.h"
#include "platform/path_names.h"

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool endsWithSeparator(const TextBuffer& path) {
    return isSeparator(path.charAt(-1));
}

// Whether path lies inside folder, comparing as SameFile does but with the
// two separators alike.
bool isInsideFolder(const char* path, const char* folder) {
    int32_t i = 0;
    for (; folder[i]; ++i) {
        bool same = isSeparator(path[i]) ? isSeparator(folder[i])
                                         : foldUpper(path[i]) == foldUpper(folder[i]);
        if (!same) return false;
    }
    return i > 0 && (isSeparator(folder[i - 1]) || isSeparator(path[i]));
}

// A copy onto itself, or into its own subtree, would never end (or would
// read what it is writing). The paths are compared resolved: "a\.\b",
// "a\\b" or a short name would otherwise pass for another folder than "a\b".
bool copyAllowed(const char* source, const char* destination) {
    if (!source || !destination) return false;
    TextBuffer from = ResolvedPath(source), to = ResolvedPath(destination);
    return !SameFile(from.text(), to.text()) && !isInsideFolder(to.text(), from.text());
}

// Creates one folder and tells made of it.
bool createTold(const TextBuffer& path, MadeObserver* made) {
    if (!systemCreateFolder(path.text())) return false;
    tellFolderMade(made, path.text());
    return true;
}

}  // namespace

// The absolute form of path, so that two texts for one folder compare equal:
// the longest part that exists is resolved by the system, the rest is appended
// with "." and ".." applied. A path of which nothing resolves stays as it is.
TextBuffer ResolvedPath(const char* path) {
    std::vector<TextBuffer> rest;  // the components below the resolved part, innermost first
    TextBuffer current(path), resolved;
    while (!systemResolvePath(current.text(), resolved)) {
        TextBuffer parent = ParentPath(current.text());
        if (parent.empty() || std::strcmp(parent.text(), current.text()) == 0)
            return TextBuffer(path);
        rest.push_back(BaseName(current.text()));
        current = std::move(parent);
    }
    for (auto name = rest.rbegin(); name != rest.rend(); ++name) {
        if (std::strcmp(name->text(), "..") == 0)
            resolved = ParentPath(resolved.text());
        else if (!name->empty() && std::strcmp(name->text(), ".") != 0)
            resolved.appendPath(name->text());
    }
    return resolved;
}

bool CreateFolder(const char* path) {
    return path && systemCreateFolder(path);
}

bool RemoveEmptyFolder(const char* path) {
    return !IsLink(path) && systemRemoveFolder(path);
}

bool ProtectFolder(const char* path) {
    return systemProtectFolder(path);
}

bool MakeFolder(const char* path, FolderParents parents, MadeObserver* made) {
    if (!path) return false;
    // "a\b\" names the folder "a\b"; creating its parent first would leave
    // nothing to create.
    TextBuffer target(path);
    while (target.length() > 1 && endsWithSeparator(target)) target = ParentPath(target.text());
    if (FolderExists(target.text()) || createTold(target, made)) return true;
    if (parents == FolderParents::required) return false;
    // Walk outwards to the first folder that is there or can be made, then
    // create the missing ones inwards. A loop rather than recursion: a long
    // path must not cost one stack frame per component.
    std::vector<TextBuffer> missing;
    missing.push_back(std::move(target));
    for (;;) {
        TextBuffer parent = ParentPath(missing.back().text());
        if (std::strcmp(parent.text(), missing.back().text()) == 0) return false;
        if (FolderExists(parent.text()) || createTold(parent, made)) break;
        missing.push_back(std::move(parent));
    }
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder)
        if (!createTold(*folder, made)) return false;
    return true;
}

bool EmptyFolder(const char* path, Reach reach) {
    FolderEnumerator listing;
    listing.Open(path);
    FolderEntry entry;
    while (listing.Next(entry)) {
        TextBuffer full = JoinPath(path, entry.name.text());
        if (entry.isFolder && reach == Reach::tree) {
            // A link's target is not part of this tree: only the link goes.
            if (!entry.isLink) EmptyFolder(full.text(), Reach::tree);
            systemRemoveFolder(full.text());
        } else {
            DeletePath(full.text());
        }
    }
    return true;
}

bool RemoveFolder(const char* path, Reach reach) {
    if (!path) return true;
    if (reach == Reach::tree) EmptyFolder(path, Reach::tree);
    systemRemoveFolder(path);
    return true;
}

bool CopyFolder(const char* source, const char* destination, Reach reach, CopyCounter* copied,
                const std::atomic<bool>* stop) {
    if (!copyAllowed(source, destination)) return false;
    FolderEnumerator listing;
    listing.Open(source);
    bool copiedAll = true;
    FolderEntry entry;
    while (listing.Next(entry)) {
        if (stop && stop->load(std::memory_order_relaxed)) return false;
        TextBuffer from = JoinPath(source, entry.name.text());
        TextBuffer to = JoinPath(destination, entry.name.text());
        bool done = entry.isFolder && reach == Reach::tree
                        ? CopySubfolder(from.text(), to.text(), copied, stop)
                        : CopyFileOver(from.text(), to.text(), copied);
        copiedAll = copiedAll && done;
    }
    return copiedAll;
}

bool CopySubfolder(const char* source, const char* destination, CopyCounter* copied,
                   const std::atomic<bool>* stop) {
    if (!copyAllowed(source, destination)) return false;
    MakeFolder(destination, FolderParents::required, copied ? copied->made : nullptr);
    return CopyFolder(source, destination, Reach::tree, copied, stop);
}
