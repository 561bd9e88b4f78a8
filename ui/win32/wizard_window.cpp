#include "ui/wizard_window.h"

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <cstring>

#include "session/translation.h"
#include "ui/system_responder.h"
#include "ui/win32/bitmap_drawing.h"
#include "ui/win32/dialog_state.h"
#include "ui/win32/report_list_view.h"
#include "ui/window_texts.h"
#include "ui/wizard_view.h"

namespace {

// The page logic's view over the real controls of dialog 102.
class DialogView : public WizardView {
public:
    explicit DialogView(HWND window) : window_(window), list_(GetDlgItem(window, controlList)) {}

    void setCaption(const char* text) override { SetWindowTextA(window_, text); }
    void showControl(int id, bool shown) override {
        ShowWindow(GetDlgItem(window_, id), shown ? SW_SHOW : SW_HIDE);
    }
    void enableControl(int id, bool enabled) override {
        EnableWindow(GetDlgItem(window_, id), enabled);
    }
    void setControlText(int id, const char* text) override {
        if (id == controlRichText) {
            streamRichText(text);
        } else {
            SetDlgItemTextA(window_, id, text);
        }
    }
    bool isChecked(int id) override { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    void setChecked(int id, bool checked) override {
        CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    ListView* list() override { return &list_; }
    void redraw() override {
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    void close() override { EndDialog(window_, 0); }
    void beep(WizardSound sound) override {
        MessageBeep(sound == WizardSound::information ? MB_ICONASTERISK : MB_ICONHAND);
    }
    void drawPicture(int areaId, const Bitmap& picture) override {
        RECT area;
        GetWindowRect(GetDlgItem(window_, areaId), &area);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
        HDC dc = paintDc ? paintDc : GetDC(window_);
        SetBkMode(dc, TRANSPARENT);
        drawBitmap(picture, dc, area.left, area.top, area.right - 1, area.bottom - 1);
        if (!paintDc) ReleaseDC(window_, dc);
    }

    // The device context of the painting under way, null between paintings.
    HDC paintDc = nullptr;

private:
    struct StreamSource {
        const char* next;
        size_t left;
    };
    static DWORD CALLBACK readSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
        StreamSource& source = *reinterpret_cast<StreamSource*>(cookie);
        size_t n = source.left < static_cast<size_t>(wanted) ? source.left : wanted;
        std::memcpy(buffer, source.next, n);
        source.next += n;
        source.left -= n;
        *given = static_cast<LONG>(n);
        return 0;
    }
    // The rich-text control takes its whole content as a stream: rich text when the text starts
    // as rich text does, plain text otherwise.
    void streamRichText(const char* text) {
        StreamSource source = {text, std::strlen(text)};
        EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, readSource};
        WPARAM format = std::strncmp(text, "{\\rtf", 5) == 0 ? SF_RTF : SF_TEXT;
        SendDlgItemMessageA(window_, controlRichText, EM_STREAMIN, format,
                            reinterpret_cast<LPARAM>(&stream));
    }

    HWND window_;
    ReportListView list_;
};

const int programIcon = 128;
const UINT_PTR progressTimer = 1;
// The system menu's item that opens the about box; the system keeps the low four bits of a
// command id for itself, so ids 16 to 31 all mean it.
const UINT aboutItem = 16;

void addAboutItem(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, aboutItem, translate(aboutItemText));
}

struct WizardDialog {
    WizardEvents& events;
    DialogView* view;
};

void opened(HWND window, WizardDialog& dialog) {
    dialog.view = new DialogView(window);
    SendDlgItemMessageA(window, controlList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                        LVS_EX_FULLROWSELECT);
    // The prompts that scripts open belong over the wizard.
    setMainWindow(window);
    addAboutItem(window);
    HINSTANCE module = GetModuleHandleA(nullptr);
    SendMessageA(window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadImageA(module, MAKEINTRESOURCEA(programIcon),
                                                     IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    SendMessageA(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageA(module, MAKEINTRESOURCEA(programIcon),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0)));
    dialog.events.opened(*dialog.view);
    SetTimer(window, progressTimer, 200, nullptr);
    // Given the focus by the dialog manager, the text would show all selected.
    SetFocus(GetDlgItem(window, controlRichText));
}

void painted(HWND window, WizardDialog& dialog) {
    PAINTSTRUCT paint;
    dialog.view->paintDc = BeginPaint(window, &paint);
    dialog.events.painting();
    EndPaint(window, &paint);
    dialog.view->paintDc = nullptr;
}

bool isSelectionChange(const NMHDR& header) {
    if (header.idFrom != controlList || header.code != LVN_ITEMCHANGED) return false;
    const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
    return ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0;
}

INT_PTR CALLBACK wizardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WizardDialog* dialog = dialogState<WizardDialog>(window, message, lParam);
    if (!dialog) return FALSE;
    switch (message) {
    case WM_INITDIALOG: opened(window, *dialog); return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) dialog->events.clicked(LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (isSelectionChange(header)) dialog->events.listSelectionChanged();
        if (header.idFrom == controlList && (header.code == NM_CLICK || header.code == NM_RCLICK)) {
            dialog->events.listClicked(header.code == NM_RCLICK ? MouseButton::right
                                                                : MouseButton::left);
        }
        return TRUE;
    }
    case WM_TIMER:
        if (wParam == progressTimer) dialog->events.timerTicked();
        return TRUE;
    case WM_PAINT: painted(window, *dialog); return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != aboutItem) return FALSE;
        dialog->events.aboutChosen();
        return TRUE;
    case WM_DESTROY:
        KillTimer(window, progressTimer);
        setMainWindow(nullptr);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void runWizardWindow(WizardEvents& events) {
    WizardDialog dialog = {events, nullptr};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(102), nullptr, wizardProc,
                    reinterpret_cast<LPARAM>(&dialog));
    delete dialog.view;
}
