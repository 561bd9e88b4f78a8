// NoticeDialog: a text to read, with OK and, for a confirmation, Cancel.
#include "params/text_buffer.h"
#include "ui/dialog_layout.h"
#include "ui/win32/dialog_state.h"
#include "ui/win32/prompt_windows.h"
#include "ui/win32/window_layout.h"
#include "ui/wrap_text.h"

namespace {

enum { textId = 1162 };

struct NoticeWindow {
    const char* title;
    TextBuffer text;
    NoticeButtons buttons;
    DialogLayout layout;
};

// A script may ask from the worker thread while the user looks at another window: the notice
// comes to the front and sounds, so it is not missed.
void claimAttention(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
    BringWindowToTop(window);
    Beep(300, 300);
}

void initialise(HWND window, NoticeWindow& state) {
    SetDlgItemTextA(window, textId, state.text.text());
    setTextIfGiven(window, state.title);
    translateButtons(window);
    if (state.buttons == NoticeButtons::ok) ShowWindow(GetDlgItem(window, IDCANCEL), SW_HIDE);
    setUpPromptLayout(state.layout, window, textId);
    applyLayout(state.layout, window);
    claimAttention(window);
}

INT_PTR CALLBACK noticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    NoticeWindow* state = dialogState<NoticeWindow>(window, message, lParam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            initialise(window, *state);
            return FALSE;  // the focus is set
        case WM_SIZE:
            applyLayout(state->layout, window);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(window, LOWORD(wParam));
                return TRUE;
            }
    }
    return FALSE;
}

}  // namespace

bool runNoticeWindow(HWND owner, const char* title, const char* text, NoticeButtons buttons) {
    NoticeWindow state{title, TextBuffer(), buttons, {}};
    wrapText(text, 50, state.text);
    return DialogBoxParamA(GetModuleHandleA(nullptr), "NoticeDialog", owner, noticeProc,
                           reinterpret_cast<LPARAM>(&state)) == IDOK;
}
