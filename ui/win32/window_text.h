#pragma once

#include <windows.h>

class TextBuffer;

// The whole text of a window or control, however long.
void readWindowText(HWND window, TextBuffer& text);
