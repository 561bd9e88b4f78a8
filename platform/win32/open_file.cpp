#include "params/open_file.h"

FILE* OpenFile(const char* path, const char* mode) {
    return std::fopen(path, mode);
}
