#include "payload/gz_file_stream.h"

#include <cstring>

namespace {

// Sizes of the compressed input read at once and of the block of decompressed bytes.
const int32_t inputSize = 1 << 16;
const int32_t blockSize = 1 << 16;
// Window bits that make inflate expect a gzip header and verify the gzip trailer.
const int gzipWindow = 16 + MAX_WBITS;

}  // namespace

GzFileBuffer::~GzFileBuffer() {
    detach();
    if (inflaterReady_) inflateEnd(&stream_);
}

void GzFileBuffer::attach(const char* path, int32_t offset, int32_t size) {
    detach();
    if (!input_) {
        input_.reset(new unsigned char[inputSize]);
        block_.reset(new unsigned char[blockSize]);
    }
    fileLeft_ = size;
    if (file_.open(path, FileMode::binary) && file_.seek(offset))
        mode_ = Mode::Look;
    else
        end(Ending::damaged);
}

void GzFileBuffer::detach() {
    file_.close();
    stream_.avail_in = 0;
    sawMember_ = false;
    mode_ = Mode::Ended;
    start_ = end_ = 0;
    error_ = damaged_ = false;
}

void GzFileBuffer::end(Ending ending) {
    mode_ = Mode::Ended;
    if (ending == Ending::damaged) damaged_ = true;
}

// Past the part, the file reads as ended.
int32_t GzFileBuffer::readFile(char* p, int32_t n) {
    if (fileLeft_ >= 0 && fileLeft_ < n) n = fileLeft_;
    int32_t got = file_.read(p, n);
    if (fileLeft_ >= 0) fileLeft_ -= got;
    return got;
}

bool GzFileBuffer::loadInput() {
    if (stream_.avail_in) std::memmove(input_.get(), stream_.next_in, stream_.avail_in);
    stream_.next_in = input_.get();
    int32_t got = readFile(reinterpret_cast<char*>(input_.get()) + stream_.avail_in,
                           inputSize - static_cast<int32_t>(stream_.avail_in));
    if (!file_.good()) damaged_ = true;
    stream_.avail_in += static_cast<uInt>(got);
    return got > 0;
}

// zlib takes data that starts with the magic bytes for a gzip member, and data that does not for
// a plain file, unless members came before: then it is trailing garbage and the data has ended.
void GzFileBuffer::look() {
    if (stream_.avail_in < 2) loadInput();
    if (stream_.avail_in == 0) return end(Ending::clean);
    if (stream_.avail_in >= 2 && stream_.next_in[0] == 0x1F && stream_.next_in[1] == 0x8B) {
        bool ready = inflaterReady_ ? inflateReset(&stream_) == Z_OK
                                    : (inflaterReady_ = inflateInit2(&stream_, gzipWindow) == Z_OK);
        if (!ready) return end(Ending::damaged);
        sawMember_ = true;
        mode_ = Mode::Inflate;
        return;
    }
    if (sawMember_) return end(Ending::clean);
    mode_ = Mode::Copy;
}

int32_t GzFileBuffer::inflateInto(unsigned char* p, int32_t n) {
    if (stream_.avail_in == 0 && !loadInput()) {
        end(Ending::damaged);  // the member is cut short
        return 0;
    }
    stream_.next_out = p;
    stream_.avail_out = static_cast<uInt>(n);
    int result = inflate(&stream_, Z_NO_FLUSH);
    if (result == Z_STREAM_END)
        mode_ = Mode::Look;
    else if (result != Z_OK && result != Z_BUF_ERROR)
        end(Ending::damaged);
    return n - static_cast<int32_t>(stream_.avail_out);
}

// Whatever input is loaded goes first; beyond it the file is read straight into p.
int32_t GzFileBuffer::copyInto(unsigned char* p, int32_t n) {
    int32_t got;
    if (stream_.avail_in) {
        got =
            static_cast<int32_t>(stream_.avail_in) < n ? static_cast<int32_t>(stream_.avail_in) : n;
        std::memcpy(p, stream_.next_in, static_cast<size_t>(got));
        stream_.next_in += got;
        stream_.avail_in -= static_cast<uInt>(got);
    } else {
        got = readFile(reinterpret_cast<char*>(p), n);
        if (got == 0) end(file_.good() ? Ending::clean : Ending::damaged);
    }
    return got;
}

int32_t GzFileBuffer::produce(unsigned char* p, int32_t n) {
    for (;;) {
        int32_t got = 0;
        switch (mode_) {
            case Mode::Look: look(); continue;
            case Mode::Inflate: got = inflateInto(p, n); break;
            case Mode::Copy: got = copyInto(p, n); break;
            case Mode::Ended: return 0;
        }
        if (got > 0) return got;
    }
}

int GzFileBuffer::refill() {
    start_ = 0;
    end_ = produce(block_.get(), blockSize);
    if (end_ == 0) {
        error_ = true;
        return -1;
    }
    return block_[start_++];
}

int32_t GzFileBuffer::readBytes(char* p, int32_t n) {
    int32_t done = 0;
    while (done < n) {
        if (start_ < end_) {
            int32_t piece = end_ - start_ < n - done ? end_ - start_ : n - done;
            std::memcpy(p + done, block_.get() + start_, static_cast<size_t>(piece));
            start_ += piece;
            done += piece;
        } else if (n - done >= blockSize) {
            int32_t got = produce(reinterpret_cast<unsigned char*>(p) + done, n - done);
            if (got == 0) break;
            done += got;
        } else {
            start_ = 0;
            end_ = produce(block_.get(), blockSize);
            if (end_ == 0) break;
        }
    }
    if (done < n) error_ = true;
    return done;
}

void GzFileStream::open(const char* path, int32_t offset, int32_t size) {
    if (!path) return;
    close();
    buffer_.attach(path, offset, size);
    open_ = true;
}

void GzFileStream::close() {
    if (!open_) return;
    buffer_.detach();
    open_ = false;
}
