#include "platform/process_paths.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix/fixed_module_path.h"
#include "platform/posix/native_path.h"

namespace {
TextBuffer fixedModulePath;
bool moduleFixed = false;
}  // namespace

void setFixedModulePath(const char* path) {
    moduleFixed = path != nullptr;
    fixedModulePath.assign(path ? path : "");
}

TextBuffer ModulePath() {
    if (moduleFixed) return fixedModulePath;
    // readlink neither terminates nor says how long the target is: the room
    // grows until the answer leaves some of it unused.
    std::vector<char> room(256);
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", room.data(), room.size());
        if (n < 0) return TextBuffer();
        if (static_cast<size_t>(n) < room.size()) {
            room[static_cast<size_t>(n)] = '\0';
            return programText(room.data());
        }
        room.resize(room.size() * 2);
    }
}

TextBuffer CurrentFolder() {
    std::vector<char> room(256);
    while (!getcwd(room.data(), room.size())) {
        if (errno != ERANGE) return TextBuffer(".");
        room.resize(room.size() * 2);
    }
    return programText(room.data());
}

bool SetCurrentFolder(const char* path) {
    return path && chdir(nativePath(path).text()) == 0;
}
