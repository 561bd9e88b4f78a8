#include "params/open_file.h"

#include "platform/posix/native_path.h"

FILE* OpenFile(const char* path, const char* mode) {
    return std::fopen(nativePath(path).text(), mode);
}

FILE* OpenFileDenyingWrites(const char* path) {
    return OpenFile(path, "rb");
}
