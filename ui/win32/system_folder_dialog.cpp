#include "ui/win32/system_folder_dialog.h"

#include <windows.h>
#include <shlobj.h>

namespace {

// The picker takes its start folder only once it is up.
int CALLBACK selectStart(HWND picker, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start) SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, start);
    return 0;
}

}  // namespace

bool systemFolderDialog(const char* prompt, const char* start, TextBuffer& folder) {
    // The new style hosts the shell's own views, which want COM in a single-threaded apartment on
    // this thread; each successful initialisation, a repeated one included, is undone.
    HRESULT com = CoInitialize(nullptr);
    BROWSEINFOA browse = {};
    browse.hwndOwner = GetActiveWindow();
    browse.lpszTitle = prompt;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = selectStart;
    browse.lParam = reinterpret_cast<LPARAM>(start && *start ? start : nullptr);
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    // A folder beyond MAX_PATH is not returned, as the installer's file functions could not use it.
    char path[MAX_PATH] = "";
    bool chosen = item && SHGetPathFromIDListA(item, path);
    CoTaskMemFree(item);
    if (SUCCEEDED(com)) CoUninitialize();
    if (chosen) folder.assign(path);
    return chosen;
}
