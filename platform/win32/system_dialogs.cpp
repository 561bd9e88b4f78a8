#include "platform/system_dialogs.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

namespace {

// Selects the start folder once the folder browser is up.
int CALLBACK selectStartFolder(HWND window, UINT message, LPARAM, LPARAM startFolder) {
    if (message == BFFM_INITIALIZED && startFolder)
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE, startFolder);
    return 0;
}

}  // namespace

bool systemFileDialog(bool save, const char* filter, const char* defaultName,
                      const char* defaultExtension, int& filterIndex, TextBuffer& path) {
    // The dialog wants its filter texts separated by zero bytes, the list
    // ending with two of them.
    TextBuffer filters(filter);
    filters.appendChar('|');
    filters.replaceByte('|', '\0');
    // Room for the longest path the system knows; the default name is cut to
    // it.
    std::vector<char> file(32768, '\0');
    if (defaultName) std::strncpy(file.data(), defaultName, file.size() - 1);

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filters.text();
    dialog.nFilterIndex = filterIndex > 0 ? filterIndex : 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = defaultExtension && *defaultExtension ? defaultExtension : nullptr;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : 0);
    if (!(save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog))) return false;
    path.assign(file.data());
    filterIndex = static_cast<int>(dialog.nFilterIndex);
    return true;
}

bool systemFolderDialog(const char* startFolder, TextBuffer& folder) {
    BROWSEINFOA browse = {};
    browse.hwndOwner = GetActiveWindow();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    browse.lpfn = selectStartFolder;
    browse.lParam = reinterpret_cast<LPARAM>(startFolder);
    LPITEMIDLIST picked = SHBrowseForFolderA(&browse);
    if (!picked) return false;
    // This call knows no longer paths than the system's classic limit.
    char path[MAX_PATH];
    bool found = SHGetPathFromIDListA(picked, path) != 0;
    CoTaskMemFree(picked);
    if (found) folder.assign(path);
    return found;
}
