#pragma once

#include <windows.h>

#include "session/translation.h"
#include "ui/window_texts.h"

// The object behind a dialog, handed over as the init parameter and kept in the window's user
// slot; null for the messages that come before WM_INITDIALOG.
template <class State>
State* dialogState(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(window, DWLP_USER, lParam);
    return reinterpret_cast<State*>(GetWindowLongPtrA(window, DWLP_USER));
}

// Sets a window's text when one is given; null keeps the template's.
inline void setTextIfGiven(HWND window, const char* text) {
    if (text) SetWindowTextA(window, text);
}

// The prompt windows' OK and Cancel buttons in the interface language.
inline void translateButtons(HWND window) {
    SetDlgItemTextA(window, IDOK, translate(okText));
    SetDlgItemTextA(window, IDCANCEL, translate(cancelText));
}
