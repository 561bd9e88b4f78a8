#include "ui/win32/system_file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <vector>

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
