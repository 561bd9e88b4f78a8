#include "params/file_bytes.h"

#include "params/file_stream.h"

bool readFileBytes(const char* path, TextBuffer& bytes) {
    InFileStream in(path, FileMode::binary);
    char piece[4096];
    for (int32_t n; (n = in.read(piece, sizeof piece)) > 0;) bytes.append(piece, n);
    return in.good();
}
