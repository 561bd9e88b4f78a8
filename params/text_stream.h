#pragma once

#include <cstdint>

#include "params/text_buffer.h"

// Character input: get() returns the next byte (0..255) or -1 at the end.
// One character can be pushed back with unget().
class InStream {
public:
    virtual ~InStream() = default;
    virtual int get() = 0;
    virtual void unget(int c) = 0;
    // Reads up to n bytes into p; returns how many were read (0 at the end).
    virtual int32_t read(char* p, int32_t n);
};

// Character output.
class OutStream {
public:
    virtual ~OutStream() = default;
    virtual void put(char c) = 0;
    virtual void write(const char* p, int32_t n);
};

// Texts are written as they are (null writes nothing); integers in decimal.
OutStream& operator<<(OutStream& out, const char* text);
OutStream& operator<<(OutStream& out, const TextBuffer& text);
OutStream& operator<<(OutStream& out, char c);
OutStream& operator<<(OutStream& out, int n);
OutStream& operator<<(OutStream& out, unsigned n);
OutStream& operator<<(OutStream& out, long n);
OutStream& operator<<(OutStream& out, unsigned long n);
OutStream& operator<<(OutStream& out, long long n);
OutStream& operator<<(OutStream& out, unsigned long long n);

// An output stream that appends every character to its own TextBuffer;
// used to compose messages.
class TextOutStream : public OutStream {
public:
    void put(char c) override { buffer_.appendChar(c); }
    void write(const char* p, int32_t n) override { buffer_.append(p, n); }
    TextBuffer& buffer() { return buffer_; }
    const TextBuffer& buffer() const { return buffer_; }

private:
    TextBuffer buffer_;
};

// An input stream over bytes that the caller keeps alive (n < 0: up to the
// zero byte).
class TextInStream : public InStream {
public:
    explicit TextInStream(const char* bytes, int32_t n = -1);
    explicit TextInStream(const TextBuffer& text) : TextInStream(text.text(), text.length()) {}
    int get() override;
    void unget(int c) override;
    int32_t read(char* p, int32_t n) override;

private:
    const char* bytes_;
    int32_t length_;
    int32_t position_ = 0;
};
