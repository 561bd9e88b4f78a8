#include "platform/stream_copy.h"

int64_t CopyStreamBytes(InStream& input, OutStream& output, int64_t count,
                        const std::atomic<bool>* stop) {
    const int32_t pieceSize = 1 << 16;
    // Allocated once and kept for the life of the process.
    static char* piece = new char[pieceSize];
    int64_t copied = 0;
    while (count < 0 || copied < count) {
        int32_t want = count >= 0 && count - copied < pieceSize
                           ? static_cast<int32_t>(count - copied)
                           : pieceSize;
        int32_t n = input.read(piece, want);
        if (n <= 0) break;
        output.write(piece, n);
        copied += n;
        if (stop && stop->load(std::memory_order_relaxed)) break;
    }
    return copied;
}
