#include "platform/path_names.h"

#include <cstring>

#include "params/fold_upper.h"

const char PathSeparator[] = "\\";

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Index of the last separator, -1 when there is none.
int32_t lastSeparator(const char* path) {
    int32_t found = -1;
    for (int32_t i = 0; path[i]; ++i)
        if (isSeparator(path[i])) found = i;
    return found;
}

const char* lastComponent(const char* path) {
    return path + lastSeparator(path) + 1;
}

}  // namespace

TextBuffer BaseName(const char* path) {
    return TextBuffer(lastComponent(path ? path : ""));
}

TextBuffer StemName(const char* path) {
    if (!path) path = "";
    const char* name = lastComponent(path);
    const char* dot = std::strrchr(name, '.');
    TextBuffer stem;
    stem.append(name, dot ? static_cast<int32_t>(dot - name) : -1);
    return stem;
}

TextBuffer ParentPath(const char* path) {
    if (!path) path = "";
    int32_t cut = lastSeparator(path);
    if (cut < 0) return TextBuffer(".");
    TextBuffer parent;
    parent.append(path, cut);
    return parent;
}

TextBuffer JoinPath(const char* folder, const char* name) {
    TextBuffer joined(folder);
    joined.appendPath(name);
    return joined;
}

bool SameFile(const char* a, const char* b) {
    return foldEquals(a, b);
}
