#include "ui/system_responder.h"

#include <windows.h>

#include "ui/win32/system_file_dialog.h"

namespace {

HWND owner = nullptr;

class Win32Responder : public Responder {
public:
    void startupMessage(const char* caption, const char* text) override {
        MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONEXCLAMATION);
    }
    bool askYesNo(const char* title, const char* message) override {
        return MessageBoxA(owner, message, title, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    void showMessage(const char* title, const char* message, bool warning) override {
        MessageBoxA(owner, message, title, MB_OK | (warning ? MB_ICONWARNING : MB_ICONINFORMATION));
    }
    // The notice window comes with the dialogs; until then a message box says the same.
    void notify(const char* title, const char* text) override {
        MessageBoxA(owner, text, title, MB_OK | MB_ICONINFORMATION);
    }
    bool confirm(const char* title, const char* text) override {
        return MessageBoxA(owner, text, title, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
    }
    // The text input comes with the dialogs; until then nothing is typed.
    bool askText(const char*, const char*, const char*, TextBuffer&) override { return false; }
    // The list window comes with the dialogs; until then nothing is chosen.
    const char* chooseFromList(const char*, const char*, ParamNode*, int, int) override {
        return nullptr;
    }
    bool chooseFile(bool save, const char* filter, const char* defaultName,
                    const char* defaultExtension, int& filterIndex, TextBuffer& path) override {
        return systemFileDialog(save, filter, defaultName, defaultExtension, filterIndex, path);
    }
};

}  // namespace

Responder& systemResponder() {
    static Win32Responder instance;
    return instance;
}

void setMainWindow(void* window) {
    owner = static_cast<HWND>(window);
}
void* mainWindow() {
    return owner;
}
