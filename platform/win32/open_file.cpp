#include "params/open_file.h"

#include <share.h>

FILE* OpenFile(const char* path, const char* mode) {
    return std::fopen(path, mode);
}

FILE* OpenFileDenyingWrites(const char* path) {
    return _fsopen(path, "rb", _SH_DENYWR);
}
