#include "tools/mkinstaller/gzip_sink.h"

#include <string>

#include <zlib.h>

#include "tools/mkinstaller/pack_error.h"

namespace {

// Larger pieces lose less to their seams, smaller ones share out small libraries better.
const size_t pieceSize = 1 << 20;
const size_t windowSize = 1 << 15;
// Pieces queued per thread: enough that a thread never waits for the reader to fill one.
const size_t piecesPerThread = 2;

const unsigned char unknownSystem = 255;

void appendLittleEndian(std::vector<unsigned char>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back((value >> shift) & 0xFF);
}

}  // namespace

struct GzipSink::Piece {
    // The window that precedes the piece in the stream, then the piece's own bytes.
    std::vector<unsigned char> input;
    size_t window = 0;
    bool last = false;
    std::vector<unsigned char> output;
    const char* failure = nullptr;
    bool done = false;
};

namespace {

// Raw deflate of the piece's own bytes, its matches reaching back into the window. A piece but
// the last ends with an empty stored block, which leaves the stream on a byte boundary.
void deflatePiece(GzipSink::Piece& piece, int level) {
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
        piece.failure = "cannot start the gzip compressor";
        return;
    }
    if (piece.window) deflateSetDictionary(&stream, piece.input.data(), uInt(piece.window));
    stream.next_in = piece.input.data() + piece.window;
    stream.avail_in = uInt(piece.input.size() - piece.window);
    piece.output.resize(deflateBound(&stream, stream.avail_in) + 64);
    stream.next_out = piece.output.data();
    stream.avail_out = uInt(piece.output.size());
    int result = deflate(&stream, piece.last ? Z_FINISH : Z_SYNC_FLUSH);
    if (result != (piece.last ? Z_STREAM_END : Z_OK) || stream.avail_in || !stream.avail_out)
        piece.failure = "the gzip compressor failed";
    piece.output.resize(piece.output.size() - stream.avail_out);
    deflateEnd(&stream);
}

int threadCount(int jobs) {
    if (jobs > 0) return jobs;
    unsigned cores = std::thread::hardware_concurrency();
    return cores ? int(cores) : 1;
}

}  // namespace

GzipSink::GzipSink(ByteSink& out, Compression compression) : out_(out), level_(compression.level) {
    if (level_ <= 0) return;
    // The header of zlib's gzip writer with no time stamp: the extra flags say the level.
    const unsigned char header[] = {0x1f, 0x8b, Z_DEFLATED, 0, 0, 0, 0, 0,
                                    static_cast<unsigned char>(level_ == 9 ? 2 : level_ == 1 ? 4 : 0),
                                    unknownSystem};
    out_.write(header, sizeof header);
    startPiece({});
    int threads = threadCount(compression.jobs);
    // One thread compresses in the writer's own; more run beside the reader.
    if (threads == 1) return;
    for (int n = 0; n < threads; ++n) threads_.emplace_back([this] { compressQueued(); });
}

GzipSink::~GzipSink() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        waiting_.clear();
    }
    queuedOrStopping_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

void GzipSink::write(const void* bytes, size_t count) {
    if (level_ <= 0) {
        out_.write(bytes, count);
        return;
    }
    crc_ = crc32(crc_, static_cast<const Bytef*>(bytes), uInt(count));
    size_ += count;
    const unsigned char* next = static_cast<const unsigned char*>(bytes);
    while (count) {
        size_t room = filling_->window + pieceSize - filling_->input.size();
        size_t taken = count < room ? count : room;
        filling_->input.insert(filling_->input.end(), next, next + taken);
        next += taken;
        count -= taken;
        if (taken == room) queuePiece(false);
    }
}

void GzipSink::finish() {
    if (level_ <= 0) return;
    queuePiece(true);
    while (!queued_.empty()) writeOldest();
    std::vector<unsigned char> trailer;
    appendLittleEndian(trailer, crc_);
    appendLittleEndian(trailer, static_cast<uint32_t>(size_));
    out_.write(trailer.data(), trailer.size());
}

// A new piece primed with the last window of the bytes before it.
void GzipSink::startPiece(const std::vector<unsigned char>& before) {
    filling_ = std::make_unique<Piece>();
    filling_->input.reserve(windowSize + pieceSize);
    size_t window = before.size() < windowSize ? before.size() : windowSize;
    filling_->input.assign(before.end() - window, before.end());
    filling_->window = window;
}

void GzipSink::queuePiece(bool last) {
    std::unique_ptr<Piece> piece = std::move(filling_);
    piece->last = last;
    if (!last) startPiece(piece->input);
    Piece* queued = piece.get();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queued_.push_back(std::move(piece));
        if (!threads_.empty()) waiting_.push_back(queued);
    }
    if (threads_.empty()) {
        deflatePiece(*queued, level_);
        queued->done = true;
        writeOldest();
        return;
    }
    queuedOrStopping_.notify_one();
    while (queued_.size() > piecesPerThread * threads_.size()) writeOldest();
}

void GzipSink::writeOldest() {
    std::unique_ptr<Piece> oldest;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        pieceDone_.wait(lock, [this] { return queued_.front()->done; });
        oldest = std::move(queued_.front());
        queued_.pop_front();
    }
    if (oldest->failure) throw PackError(oldest->failure);
    out_.write(oldest->output.data(), oldest->output.size());
}

void GzipSink::compressQueued() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        queuedOrStopping_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) return;
        Piece* piece = waiting_.front();
        waiting_.pop_front();
        lock.unlock();
        deflatePiece(*piece, level_);
        lock.lock();
        piece->done = true;
        pieceDone_.notify_all();
    }
}
