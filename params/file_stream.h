#pragma once

#include <cstdint>
#include <cstdio>

#include "params/text_stream.h"

// Text mode lets the C runtime translate line ends (a written "\n" is stored
// as CR LF on Windows); binary mode keeps every byte.
enum class FileMode { text, binary };
// Whether writing starts on an emptied file or after what the file holds.
enum class FileWrite { replace, append };

// Reads a file through the C runtime. A file that cannot be opened reads as
// an empty input.
class InFileStream : public InStream {
public:
    InFileStream() = default;
    explicit InFileStream(const char* path, FileMode mode = FileMode::text);
    ~InFileStream() override;
    InFileStream(const InFileStream&) = delete;
    InFileStream& operator=(const InFileStream&) = delete;

    bool open(const char* path, FileMode mode = FileMode::text);
    void close();
    bool isOpen() const { return file_ != nullptr; }
    // Open and no read error so far (reaching the end is not an error).
    bool good() const;
    // Moves to a byte offset from the start of a binary file; false when that fails.
    bool seek(int64_t offset);

    int get() override;
    void unget(int c) override;
    int32_t read(char* p, int32_t n) override;

private:
    FILE* file_ = nullptr;
};

// Writes a file through the C runtime, created or emptied (or appended to).
class OutFileStream : public OutStream {
public:
    OutFileStream() = default;
    explicit OutFileStream(const char* path, FileMode mode = FileMode::text,
                           FileWrite write = FileWrite::replace);
    ~OutFileStream() override;
    OutFileStream(const OutFileStream&) = delete;
    OutFileStream& operator=(const OutFileStream&) = delete;

    bool open(const char* path, FileMode mode = FileMode::text,
              FileWrite write = FileWrite::replace);
    // Flushes and closes; false when any write or the close failed.
    bool close();
    // Hands what is buffered to the system; false when any write so far failed.
    bool flush();
    bool isOpen() const { return file_ != nullptr; }
    // Open and every write so far succeeded.
    bool good() const { return file_ != nullptr && !failed_; }

    void put(char c) override;
    void write(const char* p, int32_t n) override;

private:
    friend OutStream& errorStream();
    // Standard error, buffered and flushed at each line end: one write per diagnostic line.
    explicit OutFileStream(FILE* borrowed);
    void flushAtLineEnd(const char* p, int32_t n);

    FILE* file_ = nullptr;
    bool owned_ = true;
    bool flushesLines_ = false;
    bool failed_ = false;
};

// The stream for the developers' French diagnostic lines: the process's
// standard error unless a test has installed another one.
OutStream& errorStream();
// Installs a replacement (null restores standard error); returns the
// previous replacement or null.
OutStream* setErrorStream(OutStream* stream);
