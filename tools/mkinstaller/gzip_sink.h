#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "tools/mkinstaller/byte_sink.h"

// How the packer compresses archives: the level (0 stores them as they are) and the number of
// threads that compress (0: one per core). The bytes depend on the level alone.
struct Compression {
    int level = 9;
    int jobs = 0;
};

// Compresses into one gzip member whose header holds no time stamp, file name or system of
// origin, so the same input gives the same bytes wherever it is packed. The input is cut into
// pieces of a fixed size, which the threads deflate each on its own, primed with the 32 KiB that
// precede it and ended on a byte boundary: joined in order they are one deflate stream that any
// gzip reader decodes, and the bytes are the same whatever the number of threads. At most a few
// pieces per thread are held at once, whatever the size of the input. Level 0 writes the bytes as
// they are: the installer's gzip reader passes data that is not gzip through unchanged.
class GzipSink : public ByteSink {
public:
    GzipSink(ByteSink& out, Compression compression);
    ~GzipSink() override;
    GzipSink(const GzipSink&) = delete;
    GzipSink& operator=(const GzipSink&) = delete;

    void write(const void* bytes, size_t count) override;
    // Ends the member; nothing may be written afterwards.
    void finish();

    struct Piece;

private:
    void startPiece(const std::vector<unsigned char>& before);
    void queuePiece(bool last);
    void writeOldest();
    void compressQueued();

    ByteSink& out_;
    int level_;
    uint32_t crc_ = 0;
    uint64_t size_ = 0;
    std::unique_ptr<Piece> filling_;
    // Queued pieces in the order of the stream, the oldest first; the threads take them from
    // waiting_ and mark them done.
    std::deque<std::unique_ptr<Piece>> queued_;
    std::deque<Piece*> waiting_;
    std::mutex mutex_;
    std::condition_variable queuedOrStopping_, pieceDone_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};
