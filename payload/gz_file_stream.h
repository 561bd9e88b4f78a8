#pragma once

#include <cstdint>
#include <memory>

#include <zlib.h>

#include "params/file_stream.h"
#include "params/text_stream.h"

// Reads a gzip file as zlib's gzip reader does, over zlib's inflate alone (the reader's file
// layer would add its own formatting code to the stub): successive gzip members are
// decompressed one after another; a file that does not start with the gzip magic bytes is passed
// through unchanged; bytes after the last member that are not a member are ignored. Decompressed
// bytes are taken a block ahead, so single bytes cost no zlib call, and long reads inflate
// straight into the caller's memory.
class GzFileBuffer {
public:
    GzFileBuffer() = default;
    ~GzFileBuffer();
    GzFileBuffer(const GzFileBuffer&) = delete;
    GzFileBuffer& operator=(const GzFileBuffer&) = delete;

    // Starts reading the file, or only its `size` bytes from `offset` on when size is not
    // negative; one that cannot be opened reads as damaged, empty input.
    void attach(const char* path, int32_t offset = 0, int32_t size = -1);
    // Closes the file and forgets every state.
    void detach();

    // The next byte, or -1 with the error flag set when no byte came.
    int nextByte() { return start_ < end_ ? block_[start_++] : refill(); }
    // Gives back the byte just read.
    void putBack() {
        if (start_ > 0) --start_;
    }
    // Up to n bytes; fewer only at the end of the data, with the error flag set.
    int32_t readBytes(char* p, int32_t n);

    // A read delivered less than asked: the data ended, or could not be read.
    bool error() const { return error_; }
    // The data did not end cleanly: the file could not be opened or read, or a gzip member was
    // damaged (bad data or check value) or cut short.
    bool damaged() const { return damaged_; }

private:
    enum class Mode { Look, Inflate, Copy, Ended };
    // How the data ended: at its proper end, or damaged (see damaged()).
    enum class Ending { clean, damaged };

    int refill();
    // Up to n bytes of the file, within the part being read.
    int32_t readFile(char* p, int32_t n);
    // Up to n decompressed bytes into p; 0 once the data has ended.
    int32_t produce(unsigned char* p, int32_t n);
    // Reads more of the file behind the bytes not yet used; false when nothing came.
    bool loadInput();
    // After the start or a member's end: what the next bytes are.
    void look();
    int32_t inflateInto(unsigned char* p, int32_t n);
    int32_t copyInto(unsigned char* p, int32_t n);
    void end(Ending ending);

    InFileStream file_;
    int32_t fileLeft_ = -1;  // bytes of the part not read yet; negative: up to the file's end
    z_stream stream_{};
    bool inflaterReady_ = false;
    bool sawMember_ = false;
    Mode mode_ = Mode::Ended;
    std::unique_ptr<unsigned char[]> input_;
    std::unique_ptr<unsigned char[]> block_;
    int32_t start_ = 0;
    int32_t end_ = 0;
    bool error_ = false;
    bool damaged_ = false;
};

// An input stream over a gzip file (or a file that is not gzip, passed through).
class GzFileStream : public InStream {
public:
    GzFileStream() = default;
    explicit GzFileStream(const char* path) { open(path); }
    ~GzFileStream() override { close(); }
    GzFileStream(const GzFileStream&) = delete;
    GzFileStream& operator=(const GzFileStream&) = delete;

    // A null path does nothing. Otherwise closes the stream if open, then opens the file (only its
    // `size` bytes from `offset` on, when size is not negative). An open that fails is not
    // reported here: the first read fails and damaged() tells why.
    void open(const char* path, int32_t offset = 0, int32_t size = -1);
    void close();
    bool isOpen() const { return open_; }

    int get() override { return buffer_.nextByte(); }
    void unget(int) override { buffer_.putBack(); }
    int32_t read(char* p, int32_t n) override { return buffer_.readBytes(p, n); }

    bool fail() const { return buffer_.error(); }
    bool damaged() const { return buffer_.damaged(); }

private:
    GzFileBuffer buffer_;
    bool open_ = false;
};
