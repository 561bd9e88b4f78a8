#include "params/text_stream.h"

#include <cstring>

int32_t InStream::read(char* p, int32_t n) {
    int32_t count = 0;
    while (count < n) {
        int c = get();
        if (c < 0) break;
        p[count++] = static_cast<char>(c);
    }
    return count;
}

void OutStream::write(const char* p, int32_t n) {
    for (int32_t i = 0; i < n; ++i) put(p[i]);
}

OutStream& operator<<(OutStream& out, const char* text) {
    if (text) out.write(text, static_cast<int32_t>(std::strlen(text)));
    return out;
}

OutStream& operator<<(OutStream& out, const TextBuffer& text) {
    out.write(text.text(), text.length());
    return out;
}

OutStream& operator<<(OutStream& out, char c) {
    out.put(c);
    return out;
}

namespace {

OutStream& writeSigned(OutStream& out, int64_t n) {
    TextBuffer digits;
    digits.appendInt64(n);
    return out << digits;
}

OutStream& writeUnsigned(OutStream& out, uint64_t n) {
    TextBuffer digits;
    digits.appendUInt64(n);
    return out << digits;
}

}  // namespace

OutStream& operator<<(OutStream& out, int n) {
    return writeSigned(out, n);
}
OutStream& operator<<(OutStream& out, unsigned n) {
    return writeUnsigned(out, n);
}
OutStream& operator<<(OutStream& out, long n) {
    return writeSigned(out, n);
}
OutStream& operator<<(OutStream& out, unsigned long n) {
    return writeUnsigned(out, n);
}
OutStream& operator<<(OutStream& out, long long n) {
    return writeSigned(out, n);
}
OutStream& operator<<(OutStream& out, unsigned long long n) {
    return writeUnsigned(out, n);
}

TextInStream::TextInStream(const char* bytes, int32_t n)
    : bytes_(bytes ? bytes : ""),
      length_(n >= 0 ? n : static_cast<int32_t>(std::strlen(bytes ? bytes : ""))) {}

int TextInStream::get() {
    if (position_ >= length_) return -1;
    return static_cast<unsigned char>(bytes_[position_++]);
}

void TextInStream::unget(int c) {
    if (c >= 0 && position_ > 0) --position_;
}

int32_t TextInStream::read(char* p, int32_t n) {
    int32_t count = length_ - position_ < n ? length_ - position_ : n;
    if (count <= 0) return 0;
    std::memcpy(p, bytes_ + position_, static_cast<size_t>(count));
    position_ += count;
    return count;
}
