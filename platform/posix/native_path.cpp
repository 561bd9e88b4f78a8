#include "platform/posix/native_path.h"

TextBuffer nativePath(const char* path) {
    TextBuffer native = utf8FromWindows1252(path);
    native.replaceByte('\\', '/');
    return native;
}
