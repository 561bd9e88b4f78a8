#pragma once

#include "params/text_buffer.h"
#include "params/text_stream.h"

// White space of the block text format: space, tab, CR, LF, VT, FF.
bool isBlankChar(int c);
// Skips white space; returns the first other character (consumed) or -1.
int nextNonBlank(InStream& in);

// The lexer of the block text format: bare words, quoted texts with
// backslash escapes, numbers, one-character special tokens, and comments
// that run to the end of the line.
class BlockTokenizer {
public:
    enum Type { word = 0, quoted = 1, number = 2, special = 3, end = 4 };

    BlockTokenizer(const char* commentChars, const char* specialChars);
    // Reads one token; false (type end) at the end of the input.
    bool next(InStream& in);

    TextBuffer text;  // without quotes, escapes resolved
    Type type = end;
    double real = 0;  // decimal conversion of text (0 when none)

private:
    void readBody(InStream& in, int first);

    TextBuffer commentChars_;
    TextBuffer specialChars_;
};
