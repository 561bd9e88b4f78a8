#pragma once

#include <windows.h>

#include "ui/dialog_layout.h"

// Sets up the anchors of a resizable prompt window around its main control (list or text), with
// the sizes of its OK button as it stands now.
void setUpPromptLayout(DialogLayout& layout, HWND window, int mainControl);

// Moves the anchored controls of `window` for its current size and repaints it at once.
void applyLayout(DialogLayout& layout, HWND window);
