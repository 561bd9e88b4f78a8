#include "platform/stream_copy.h"

int64_t CopyStreamBytes(InStream& input, OutStream& output, int64_t count) {
    char piece[2048];
    int64_t copied = 0;
    while (count < 0 || copied < count) {
        int32_t want = sizeof piece;
        if (count >= 0 && count - copied < want) want = static_cast<int32_t>(count - copied);
        int32_t n = input.read(piece, want);
        if (n <= 0) break;
        output.write(piece, n);
        copied += n;
    }
    return copied;
}

bool SkipLine(InStream& input) {
    for (;;) {
        int c = input.get();
        if (c < 0) return false;
        if (c == '\n' || c == '\r') return true;
    }
}
