// InputDialog: the one-line text input.
#include "params/text_buffer.h"
#include "ui/win32/dialog_state.h"
#include "ui/win32/prompt_windows.h"
#include "ui/win32/window_text.h"
#include "ui/wrap_text.h"

namespace {

enum { promptId = 1162, answerId = 1168 };

struct InputWindow {
    const char* title;
    TextBuffer prompt;
    const char* initial;
    TextBuffer& answer;
};

INT_PTR CALLBACK inputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    InputWindow* state = dialogState<InputWindow>(window, message, lParam);
    if (!state) return FALSE;
    if (message == WM_INITDIALOG) {
        SetDlgItemTextA(window, promptId, state->prompt.text());
        setTextIfGiven(window, state->title);
        setTextIfGiven(GetDlgItem(window, answerId), state->initial);
        translateButtons(window);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (LOWORD(wParam) == IDOK) readWindowText(GetDlgItem(window, answerId), state->answer);
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool runInputWindow(HWND owner, const char* title, const char* prompt, const char* initial,
                    TextBuffer& answer) {
    InputWindow state{title, TextBuffer(), initial, answer};
    wrapText(prompt, 50, state.prompt);
    return DialogBoxParamA(GetModuleHandleA(nullptr), "InputDialog", owner, inputProc,
                           reinterpret_cast<LPARAM>(&state)) == IDOK;
}
