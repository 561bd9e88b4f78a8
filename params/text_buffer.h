#pragma once

#include <cstdint>

// Whether the text holds a byte above the space character; an absent, empty or blank text
// (only spaces and control bytes) does not.
bool hasVisibleByte(const char* text);

// The storage (characters and the zero byte) a text of length characters grows to when n more
// must fit: three times what is needed plus a margin, at most the 32-bit maximum, so that
// appending one character at a time stays cheap even near the limit.
int64_t grownTextCapacity(int32_t length, int32_t n);

// A growable 8-bit text (Windows-1252 bytes), always zero-terminated once it
// has storage. text() never returns null, so any TextBuffer can be read as a
// C string. Storage comes from malloc; detach() hands it to the caller, who
// releases it with std::free.
class TextBuffer {
public:
    explicit TextBuffer(const char* text = nullptr);
    TextBuffer(const TextBuffer& other);
    TextBuffer(TextBuffer&& other) noexcept;
    TextBuffer& operator=(const TextBuffer& other);
    TextBuffer& operator=(TextBuffer&& other) noexcept;
    ~TextBuffer();

    // The characters, or a shared empty text while the buffer is empty.
    const char* text() const;
    int32_t length() const { return length_; }
    int32_t capacity() const { return capacity_; }
    bool empty() const { return length_ == 0; }

    // clear() then append(text); null leaves the buffer empty.
    void assign(const char* text);
    // Appends n bytes (n < 0: up to the zero byte). Null or 0 bytes do nothing.
    void append(const char* bytes, int32_t n = -1);
    void append(const TextBuffer& other) { append(other.text(), other.length()); }
    void appendChar(char c);
    // Decimal forms: "-" for negative numbers, no leading zeros.
    void appendInt(int32_t n);
    void appendInt64(int64_t n);
    void appendUInt64(uint64_t n);
    // Appends "\" unless the text already ends with "\" or "/", then piece.
    void appendPath(const char* piece);

    // Empties the text; the storage stays allocated.
    void clear();
    // Frees the storage; with n > 0, allocates room for n characters.
    void release(int32_t n = 0);
    // Hands the storage (possibly null) to the caller and leaves the buffer
    // empty without storage.
    char* detach();

    // Non-overlapping left-to-right replacement; pattern must not be empty.
    void replaceAll(const char* pattern, const char* replacement);
    void replaceByte(char from, char to);
    // Character at i (negative i counts from the end); the zero byte and
    // found = false outside the text.
    char charAt(int32_t i, bool* found = nullptr) const;
    // In place: every byte through the FoldUpper fold.
    void toUpper();
    // In place: A-Z to a-z only.
    void toLower();

private:
    void reserveFor(int32_t n);
    // Whether p points into our own storage.
    bool holds(const char* p) const;

    char* data_ = nullptr;
    int32_t capacity_ = 0;
    int32_t length_ = 0;
};
