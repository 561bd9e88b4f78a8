#include "tools/mkinstaller/gzip_sink.h"

#include "tools/mkinstaller/pack_error.h"

namespace {

const int gzipWindowBits = 16 + MAX_WBITS;
const int unknownSystem = 255;

}  // namespace

GzipSink::GzipSink(ByteSink& out, int level)
    : out_(out), compressing_(level > 0), buffer_(1 << 16) {
    if (!compressing_) return;
    if (deflateInit2(&stream_, level, Z_DEFLATED, gzipWindowBits, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw PackError("cannot start the gzip compressor");
    header_.os = unknownSystem;
    deflateSetHeader(&stream_, &header_);
}

GzipSink::~GzipSink() {
    if (compressing_) deflateEnd(&stream_);
}

void GzipSink::write(const void* bytes, size_t count) {
    if (!compressing_) {
        out_.write(bytes, count);
        return;
    }
    stream_.next_in = static_cast<Bytef*>(const_cast<void*>(bytes));
    stream_.avail_in = static_cast<uInt>(count);
    deflateInto(Z_NO_FLUSH);
}

void GzipSink::finish() {
    if (compressing_) deflateInto(Z_FINISH);
}

void GzipSink::deflateInto(int flush) {
    int result;
    do {
        stream_.next_out = buffer_.data();
        stream_.avail_out = static_cast<uInt>(buffer_.size());
        result = deflate(&stream_, flush);
        if (result == Z_STREAM_ERROR) throw PackError("the gzip compressor failed");
        out_.write(buffer_.data(), buffer_.size() - stream_.avail_out);
    } while (stream_.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
}
