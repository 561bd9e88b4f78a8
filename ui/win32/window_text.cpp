#include "ui/win32/window_text.h"

#include <cstdlib>

#include "params/text_buffer.h"

void readWindowText(HWND window, TextBuffer& text) {
    int length = GetWindowTextLengthA(window);
    char* bytes = static_cast<char*>(std::malloc(length + 1));
    if (!bytes) std::abort();
    bytes[GetWindowTextA(window, bytes, length + 1)] = 0;
    text.assign(bytes);
    std::free(bytes);
}
