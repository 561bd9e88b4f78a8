#include "ui/system_responder.h"

#include <windows.h>

#include "session/stores.h"
#include "ui/win32/prompt_windows.h"
#include "ui/win32/system_file_dialog.h"
#include "ui/win32/system_folder_dialog.h"

namespace {

// The wizard's window, when there is one, owns what the main window shows.
HWND owner() {
    return static_cast<HWND>(MainWindow());
}

class Win32Responder : public Responder {
public:
    void startupMessage(const char* caption, const char* text) override {
        MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONEXCLAMATION);
    }
    bool askYesNo(const char* title, const char* message) override {
        return MessageBoxA(owner(), message, title, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    void showMessage(const char* title, const char* message, bool warning) override {
        MessageBoxA(owner(), message, title,
                    MB_OK | (warning ? MB_ICONWARNING : MB_ICONINFORMATION));
    }
    void notify(const char* title, const char* text) override {
        runNoticeWindow(owner(), title, text, NoticeButtons::ok);
    }
    bool confirm(const char* title, const char* text) override {
        return runNoticeWindow(owner(), title, text, NoticeButtons::okAndCancel);
    }
    bool askText(const char* title, const char* prompt, const char* initial,
                 TextBuffer& answer) override {
        return runInputWindow(owner(), title, prompt, initial, answer);
    }
    const char* chooseFromList(const char* title, const char* prompt, ParamNode* items,
                               int namesFirst, int returnWhich) override {
        return runChoiceWindow(owner(), title, prompt, items, namesFirst, returnWhich);
    }
    bool chooseFile(bool save, const char* filter, const char* defaultName,
                    const char* defaultExtension, int& filterIndex, TextBuffer& path) override {
        return systemFileDialog(save, filter, defaultName, defaultExtension, filterIndex, path);
    }
    bool chooseFolder(const char* prompt, const char* start, TextBuffer& folder) override {
        return systemFolderDialog(prompt, start, folder);
    }
};

}  // namespace

Responder& systemResponder() {
    static Win32Responder instance;
    return instance;
}
