// SIMPLECHOIX: the single-choice list with its filter.
#include "params/file_stream.h"
#include "params/param_node.h"
#include "params/text_buffer.h"
#include "params/text_stream.h"
#include "ui/choice_items.h"
#include "ui/win32/dialog_state.h"
#include "ui/win32/prompt_windows.h"
#include "ui/win32/window_layout.h"
#include "ui/win32/window_text.h"

namespace {

enum { promptId = 1033, filterId = 1112, listId = 1013, containingId = 1111 };

struct ChoiceWindow {
    const char* title;
    const char* prompt;
    const ParamNode* items;
    int namesFirst;
    DialogLayout layout;
    const ParamNode* chosen;
};

// Whether a filling of the list measures its rows, so that the list may scroll sideways to the
// widest: at the first filling only, with every row shown.
enum class RowWidths { kept, measured };

// Shows the rows that pass the filter (the list box sorts them) and selects the first one.
void fillList(HWND window, const ChoiceWindow& state, RowWidths widths) {
    bool measure = widths == RowWidths::measured;
    TextBuffer filter, display;
    readWindowText(GetDlgItem(window, filterId), filter);
    foldFilter(filter.text(), filter);
    HWND list = GetDlgItem(window, listId);
    HDC dc = GetDC(list);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (ParamCell* c = state.items ? state.items->children() : nullptr; c; c = c->next) {
        displayText(*c->node, state.namesFirst, display);
        SIZE size;
        if (measure && GetTextExtentPoint32A(dc, display.text(), display.length(), &size) &&
            size.cx > widest)
            widest = size.cx;
        if (!passesFilter(display.text(), filter.text())) continue;
        LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(display.text()));
        if (row < 0) {
            errorStream() << "SIMPLECHOIX : Erreur d'ajout d'element dans la liste\n";
            continue;
        }
        SendMessageA(list, LB_SETITEMDATA, row, reinterpret_cast<LPARAM>(c->node));
    }
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
    if (measure) SendMessageA(list, LB_SETHORIZONTALEXTENT, widest, 0);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
}

void initialise(HWND window, ChoiceWindow& state) {
    SetDlgItemTextA(window, promptId, state.prompt);
    setUpPromptLayout(state.layout, window, listId);
    state.layout.addAnchor(promptId, followRight, 0, 0);
    state.layout.addAnchor(filterId, followRight, 0, 0);
    applyLayout(state.layout, window);
    setTextIfGiven(window, state.title);
    translateButtons(window);
    SetDlgItemTextA(window, containingId, translate(containingText));
    fillList(window, state, RowWidths::measured);
    SetFocus(GetDlgItem(window, filterId));
}

// OK or a double click: the selected row's node, none when no row is selected.
void accept(HWND window, ChoiceWindow& state) {
    HWND list = GetDlgItem(window, listId);
    LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    state.chosen = row < 0 ? nullptr
                           : reinterpret_cast<const ParamNode*>(SendMessageA(list, LB_GETITEMDATA, row, 0));
    EndDialog(window, IDOK);
}

INT_PTR CALLBACK choiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ChoiceWindow* state = dialogState<ChoiceWindow>(window, message, lParam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            initialise(window, *state);
            return FALSE;  // the focus is set: on the filter
        case WM_SIZE:
            applyLayout(state->layout, window);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case filterId:
                    if (HIWORD(wParam) == EN_CHANGE) fillList(window, *state, RowWidths::kept);
                    return TRUE;
                case listId:
                    if (HIWORD(wParam) == LBN_DBLCLK) accept(window, *state);
                    return TRUE;
                case IDOK:
                    accept(window, *state);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(window, IDCANCEL);
                    return TRUE;
            }
    }
    return FALSE;
}

}  // namespace

const char* runChoiceWindow(HWND owner, const char* title, const char* prompt,
                            const ParamNode* items, int namesFirst, int returnWhich) {
    static TextBuffer result;
    ChoiceWindow state{title, prompt, items, namesFirst, {}, nullptr};
    INT_PTR ended = DialogBoxParamA(GetModuleHandleA(nullptr), "SIMPLECHOIX", owner, choiceProc,
                                    reinterpret_cast<LPARAM>(&state));
    if (ended != IDOK || !state.chosen) return nullptr;
    result.assign(returnedText(*state.chosen, namesFirst, returnWhich));
    return result.text();
}
