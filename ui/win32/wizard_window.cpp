#include "ui/wizard_window.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/system_responder.h"
#include "ui/win32/dialog_state.h"
#include "ui/win32/report_list_view.h"
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
    void setControlText(int id, const char* text) override { SetDlgItemTextA(window_, id, text); }
    bool isChecked(int id) override { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    void setChecked(int id, bool checked) override {
        CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    ListView& list() override { return list_; }
    void redraw() override {
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    void close() override { EndDialog(window_, 0); }

private:
    HWND window_;
    ReportListView list_;
};

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
    dialog.events.opened(*dialog.view);
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
    case WM_INITDIALOG: opened(window, *dialog); return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) dialog->events.clicked(LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        if (isSelectionChange(*reinterpret_cast<const NMHDR*>(lParam))) {
            dialog->events.listSelectionChanged();
        }
        return TRUE;
    case WM_DESTROY: setMainWindow(nullptr); return FALSE;
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
