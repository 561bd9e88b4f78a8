#include "ui/wrap_text.h"

#include "params/text_buffer.h"

void wrapText(const char* text, int width, TextBuffer& out) {
    if (width <= 0) width = 50;
    out.clear();
    int column = 0;
    bool sentenceEnded = false;
    for (const char* p = text ? text : ""; *p; ++p) {
        char c = *p;
        if (c == '\r') continue;
        if (c == '\n') {
            out.append("\r\n");
            column = 0;
            continue;
        }
        if (c == '.') {
            sentenceEnded = true;
        } else if (column > 2 * width || (sentenceEnded && c == ' ' && column >= width)) {
            out.append("\r\n");
            sentenceEnded = false;
            column = 0;
            if (c == ' ') continue;
        }
        out.appendChar(c);
        ++column;
    }
}
