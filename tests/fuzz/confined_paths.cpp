// The fuzz build's path mapping: the usual one, then every path that would lead outside the
// confinement folder (absolute, through "..", or from a current folder elsewhere) is moved into
// its "outside" folder, so that fuzzed scripts and archives touch nothing else on the machine
// and an escape shows up as that folder. Nothing in this build makes links, so the path's text
// says where it leads.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "confinement.h"
#include "platform/posix/native_path.h"

namespace {

std::string root;

// The absolute form of a native path with every ".", ".." and repeated "/" resolved.
std::string resolved(const char* native) {
    std::string whole;
    if (native[0] != '/') {
        char* current = getcwd(nullptr, 0);
        whole = current ? current : "/";
        std::free(current);
        whole += '/';
    }
    whole += native;
    std::string out;
    for (size_t at = 0; at < whole.size();) {
        size_t end = whole.find('/', at);
        if (end == std::string::npos) end = whole.size();
        std::string piece = whole.substr(at, end - at);
        if (piece == "..")
            out.erase(out.empty() ? 0 : out.rfind('/'));
        else if (!piece.empty() && piece != ".")
            out += '/' + piece;
        at = end + 1;
    }
    return out.empty() ? "/" : out;
}

}  // namespace

void confinePathsTo(const char* folder) {
    root = folder;
}

TextBuffer nativePath(const char* path) {
    TextBuffer native = utf8FromWindows1252(path);
    native.replaceByte('\\', '/');
    if (root.empty() || native.empty()) return native;
    std::string full = resolved(native.text());
    if (full.compare(0, root.size() + 1, root + '/') != 0 && full != root)
        full = root + "/outside" + full;
    return TextBuffer(full.c_str());
}
