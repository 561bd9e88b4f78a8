#pragma once

#include <vector>

#include <zlib.h>

#include "tools/mkinstaller/byte_sink.h"

// Compresses into one gzip member whose header holds no time stamp, file name or system of
// origin, so the same input gives the same bytes wherever it is packed. Level 0 writes the bytes
// as they are: the installer's gzip reader passes data that is not gzip through unchanged.
class GzipSink : public ByteSink {
public:
    GzipSink(ByteSink& out, int level);
    ~GzipSink() override;
    GzipSink(const GzipSink&) = delete;
    GzipSink& operator=(const GzipSink&) = delete;

    void write(const void* bytes, size_t count) override;
    // Ends the member; nothing may be written afterwards.
    void finish();

private:
    void deflateInto(int flush);

    ByteSink& out_;
    bool compressing_;
    z_stream stream_{};
    gz_header header_{};
    std::vector<unsigned char> buffer_;
};
