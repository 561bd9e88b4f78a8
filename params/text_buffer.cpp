#include "params/text_buffer.h"

#include <cstdlib>
#include <cstring>

#include "params/fold_upper.h"
#include "params/small_division.h"

namespace {

const char emptyText[1] = {0};

char* allocate(int64_t size) {
    // Texts are limited to the 32-bit length; running out of memory ends the
    // process, as every allocation of the installer does.
    if (size > INT32_MAX) std::abort();
    char* p = static_cast<char*>(std::malloc(static_cast<size_t>(size)));
    if (!p) std::abort();
    return p;
}

}  // namespace

TextBuffer::TextBuffer(const char* text) {
    append(text);
}

TextBuffer::TextBuffer(const TextBuffer& other) {
    append(other);
}

TextBuffer::TextBuffer(TextBuffer&& other) noexcept
    : data_(other.data_), capacity_(other.capacity_), length_(other.length_) {
    other.data_ = nullptr;
    other.capacity_ = 0;
    other.length_ = 0;
}

TextBuffer& TextBuffer::operator=(const TextBuffer& other) {
    if (this != &other) {
        clear();
        append(other);
    }
    return *this;
}

TextBuffer& TextBuffer::operator=(TextBuffer&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = other.data_;
        capacity_ = other.capacity_;
        length_ = other.length_;
        other.data_ = nullptr;
        other.capacity_ = 0;
        other.length_ = 0;
    }
    return *this;
}

TextBuffer::~TextBuffer() {
    std::free(data_);
}

const char* TextBuffer::text() const {
    return length_ > 0 ? data_ : emptyText;
}

bool TextBuffer::holds(const char* p) const {
    return data_ && p >= data_ && p < data_ + capacity_;
}

void TextBuffer::assign(const char* text) {
    if (holds(text)) {
        // Assigning a part of ourselves: copy it out first.
        TextBuffer copy(text);
        *this = static_cast<TextBuffer&&>(copy);
        return;
    }
    clear();
    append(text);
}

int64_t grownTextCapacity(int32_t length, int32_t n) {
    // Computed in 64 bits: the 32-bit product overflows past about 7 MB.
    int64_t grown = (int64_t{length} + n + 201) * 300 / 100;
    // Clamped rather than cut back to the bytes needed: growing by the needed bytes only would
    // copy the whole text again at every later append.
    return grown < INT32_MAX ? grown : INT32_MAX;
}

// Makes room for n more characters and the zero byte. The first storage is n + 201 bytes.
void TextBuffer::reserveFor(int32_t n) {
    if (!data_) {
        capacity_ = static_cast<int32_t>(int64_t{n} + 201 <= INT32_MAX ? n + 201 : INT32_MAX);
        data_ = allocate(capacity_);
        data_[0] = 0;
        return;
    }
    int64_t needed = int64_t{length_} + n + 1;
    if (needed <= capacity_) return;
    // Past the maximum, allocate() ends the process as for any exhausted memory.
    int64_t grown = needed > INT32_MAX ? needed : grownTextCapacity(length_, n);
    char* bigger = allocate(grown);
    std::memcpy(bigger, data_, static_cast<size_t>(length_) + 1);
    std::free(data_);
    data_ = bigger;
    capacity_ = static_cast<int32_t>(grown);
}

void TextBuffer::append(const char* bytes, int32_t n) {
    if (!bytes) return;
    if (n < 0) n = static_cast<int32_t>(std::strlen(bytes));
    if (n == 0) return;
    // The source may lie inside our own storage, which growth frees.
    if (holds(bytes)) {
        TextBuffer copy;
        copy.append(bytes, n);
        append(copy.data_, n);
        return;
    }
    reserveFor(n);
    std::memcpy(data_ + length_, bytes, static_cast<size_t>(n));
    length_ += n;
    data_[length_] = 0;
}

void TextBuffer::appendChar(char c) {
    append(&c, 1);
}

void TextBuffer::appendUInt64(uint64_t n) {
    char digits[20];
    int count = 0;
    do {
        SmallQuotient step = divideSmall(n, 10);
        digits[count++] = static_cast<char>('0' + step.remainder);
        n = step.quotient;
    } while (n != 0);
    char ordered[20];
    for (int i = 0; i < count; ++i) ordered[i] = digits[count - 1 - i];
    append(ordered, count);
}

void TextBuffer::appendInt64(int64_t n) {
    if (n < 0) {
        appendChar('-');
        // Negate in unsigned arithmetic so that the smallest value works too.
        appendUInt64(0 - static_cast<uint64_t>(n));
    } else {
        appendUInt64(static_cast<uint64_t>(n));
    }
}

void TextBuffer::appendInt(int32_t n) {
    appendInt64(n);
}

void TextBuffer::appendPath(const char* piece) {
    char last = charAt(-1);
    if (last != '\\' && last != '/') appendChar('\\');
    append(piece);
}

void TextBuffer::clear() {
    length_ = 0;
    if (data_) data_[0] = 0;
}

void TextBuffer::release(int32_t n) {
    std::free(data_);
    data_ = nullptr;
    capacity_ = 0;
    length_ = 0;
    if (n > 0) {
        capacity_ = n + 1;
        data_ = allocate(capacity_);
        data_[0] = 0;
    }
}

char* TextBuffer::detach() {
    char* p = data_;
    data_ = nullptr;
    capacity_ = 0;
    length_ = 0;
    return p;
}

void TextBuffer::replaceAll(const char* pattern, const char* replacement) {
    int32_t patternLength = static_cast<int32_t>(std::strlen(pattern));
    if (patternLength == 0 || length_ == 0) return;
    TextBuffer result;
    int32_t i = 0;
    while (i < length_) {
        if (length_ - i >= patternLength && std::memcmp(data_ + i, pattern, patternLength) == 0) {
            result.append(replacement);
            i += patternLength;
        } else {
            result.appendChar(data_[i]);
            ++i;
        }
    }
    *this = static_cast<TextBuffer&&>(result);
}

void TextBuffer::replaceByte(char from, char to) {
    for (int32_t i = 0; i < length_; ++i)
        if (data_[i] == from) data_[i] = to;
}

char TextBuffer::charAt(int32_t i, bool* found) const {
    if (i < 0) i += length_;
    bool inside = i >= 0 && i < length_;
    if (found) *found = inside;
    return inside ? data_[i] : 0;
}

void TextBuffer::toUpper() {
    for (int32_t i = 0; i < length_; ++i) data_[i] = foldUpper(data_[i]);
}

void TextBuffer::toLower() {
    for (int32_t i = 0; i < length_; ++i)
        if (data_[i] >= 'A' && data_[i] <= 'Z') data_[i] = static_cast<char>(data_[i] - 'A' + 'a');
}

bool hasVisibleByte(const char* text) {
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); p && *p; ++p) {
        if (*p > ' ') return true;
    }
    return false;
}
