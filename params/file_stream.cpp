#include "params/file_stream.h"

#include <cstring>

#include "params/open_file.h"

InFileStream::InFileStream(const char* path, FileMode mode) {
    open(path, mode);
}

InFileStream::~InFileStream() {
    close();
}

bool InFileStream::open(const char* path, FileMode mode) {
    close();
    if (path) file_ = OpenFile(path, mode == FileMode::binary ? "rb" : "r");
    return file_ != nullptr;
}

void InFileStream::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool InFileStream::good() const {
    return file_ != nullptr && !std::ferror(file_);
}

bool InFileStream::seek(int64_t offset) {
    long position = static_cast<long>(offset);
    return file_ && position == offset && std::fseek(file_, position, SEEK_SET) == 0;
}

int InFileStream::get() {
    return file_ ? std::fgetc(file_) : -1;
}

void InFileStream::unget(int c) {
    if (file_ && c >= 0) std::ungetc(c, file_);
}

int32_t InFileStream::read(char* p, int32_t n) {
    if (!file_ || n <= 0) return 0;
    return static_cast<int32_t>(std::fread(p, 1, static_cast<size_t>(n), file_));
}

OutFileStream::OutFileStream(const char* path, FileMode mode, FileWrite write) {
    open(path, mode, write);
}

OutFileStream::~OutFileStream() {
    if (owned_) close();
}

bool OutFileStream::open(const char* path, FileMode mode, FileWrite write) {
    close();
    failed_ = false;
    if (path) {
        bool append = write == FileWrite::append;
        const char* flags =
            mode == FileMode::binary ? (append ? "ab" : "wb") : (append ? "a" : "w");
        file_ = OpenFile(path, flags);
    }
    return file_ != nullptr;
}

bool OutFileStream::flush() {
    return file_ && std::fflush(file_) == 0 && !failed_;
}

bool OutFileStream::close() {
    if (!file_) return false;
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed && !failed_;
}

// The C runtime leaves standard error unbuffered, and writes an unbuffered stream a byte at a
// time: a system call per byte (two console requests per byte under Wine). Buffered instead and
// flushed at each line end, a diagnostic line is one write, and none waits in the buffer for a
// crash to lose it. The runtime's own lock keeps the worker's and the interface's writes whole.
OutFileStream::OutFileStream(FILE* borrowed) : file_(borrowed), owned_(false), flushesLines_(true) {
    std::setvbuf(borrowed, nullptr, _IOFBF, 4096);
}

void OutFileStream::flushAtLineEnd(const char* p, int32_t n) {
    if (flushesLines_ && std::memchr(p, '\n', static_cast<size_t>(n)) && std::fflush(file_) != 0)
        failed_ = true;
}

void OutFileStream::put(char c) {
    if (!file_ || std::fputc(static_cast<unsigned char>(c), file_) == EOF) {
        failed_ = true;
        return;
    }
    flushAtLineEnd(&c, 1);
}

void OutFileStream::write(const char* p, int32_t n) {
    if (n <= 0) return;
    if (!file_ || std::fwrite(p, 1, static_cast<size_t>(n), file_) != static_cast<size_t>(n)) {
        failed_ = true;
        return;
    }
    flushAtLineEnd(p, n);
}

namespace {

OutStream* errorReplacement = nullptr;

}  // namespace

OutStream& errorStream() {
    static OutFileStream standardError(stderr);
    return errorReplacement ? *errorReplacement : standardError;
}

OutStream* setErrorStream(OutStream* stream) {
    OutStream* previous = errorReplacement;
    errorReplacement = stream;
    return previous;
}
