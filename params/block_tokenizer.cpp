#include "params/block_tokenizer.h"

#include <cstring>

#include "params/decimal.h"

namespace {

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

bool isOneOf(int c, const TextBuffer& set) {
    return c > 0 && std::memchr(set.text(), c, static_cast<size_t>(set.length())) != nullptr;
}

}  // namespace

bool isBlankChar(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

int nextNonBlank(InStream& in) {
    int c = in.get();
    while (isBlankChar(c)) c = in.get();
    return c;
}

BlockTokenizer::BlockTokenizer(const char* commentChars, const char* specialChars)
    : commentChars_(commentChars), specialChars_(specialChars) {}

bool BlockTokenizer::next(InStream& in) {
    text.clear();
    real = 0;
    int c = nextNonBlank(in);
    while (isOneOf(c, commentChars_)) {
        // A comment runs to the end of its line.
        do c = in.get();
        while (c >= 0 && c != '\r' && c != '\n');
        c = nextNonBlank(in);
    }
    if (c < 0) {
        type = end;
        return false;
    }
    if (isDigit(c)) {
        type = number;
        text.appendChar(static_cast<char>(c));
    } else if (c == '"') {
        type = quoted;
    } else if (isOneOf(c, specialChars_)) {
        type = special;
        text.appendChar(static_cast<char>(c));
        return true;
    } else {
        type = word;
        text.appendChar(static_cast<char>(c));
    }
    readBody(in, c);
    real = decimalToReal(text.text());
    return true;
}

// Reads the rest of a word, number or quoted token whose first character
// was first. Words and numbers end at white space or control characters
// (consumed) and at special characters (put back); numbers also at anything
// but digits and "."; quoted texts at the closing quote. A backslash takes
// the next character literally, and stays in the text unless it escaped a
// quote or a backslash.
void BlockTokenizer::readBody(InStream& in, int first) {
    int d = in.get();
    if (type == word && first == '-' && isDigit(d)) type = number;
    for (; d >= 0; d = in.get()) {
        if (type == quoted) {
            if (d == '"') return;
        } else {
            if (d < 33) return;
            if (isOneOf(d, specialChars_) || (type == number && !isDigit(d) && d != '.')) {
                in.unget(d);
                return;
            }
        }
        if (d == '\\') {
            int e = in.get();
            if (e < 0) return;
            if (e != '"' && e != '\\') text.appendChar('\\');
            text.appendChar(static_cast<char>(e));
            continue;
        }
        text.appendChar(static_cast<char>(d));
    }
}
