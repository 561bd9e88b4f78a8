#include "ui/file_dialogs.h"

#include <cstring>

#include "platform/file_ops.h"
#include "platform/path_names.h"
#include "platform/process_paths.h"
#include "session/stores.h"
#include "ui/responder.h"

namespace {

// The pattern of filter pair index (from 1), up to its "|" (and its first
// ";" when it lists several).
TextBuffer filterPattern(const char* filter, int index) {
    const char* p = filter;
    for (int bars = 2 * index - 1; bars > 0 && p; --bars) {
        p = std::strchr(p, '|');
        if (p) ++p;
    }
    TextBuffer pattern;
    if (p) pattern.append(p, static_cast<int32_t>(std::strcspn(p, "|;")));
    return pattern;
}

// "rapport" saved under "*.txt" becomes "rapport.txt"; patterns such as
// "*.*" or "*" add nothing.
void addPatternExtension(const char* filter, int index, TextBuffer& path) {
    if (std::strchr(BaseName(path.text()).text(), '.')) return;
    TextBuffer pattern = filterPattern(filter, index > 0 ? index : 1);
    if (pattern.length() > 2 && pattern.charAt(2) != '*') {
        path.appendChar('.');
        path.append(pattern.text() + 2);
    }
}

}  // namespace

bool FileDialog(FileDialogKind kind, const char* filter, const char* defaultName,
                const char* defaultExtension, int* filterIndex, TextBuffer& chosen) {
    bool ownFilter = filter && *filter;
    bool save = kind == FileDialogKind::save;
    TextBuffer noted = CurrentFolder();
    TextBuffer& opening = DialogFolder();
    if (opening.empty()) opening = noted;
    // The dialogs open in the current folder.
    SetCurrentFolder(opening.text());
    int index = filterIndex ? *filterIndex : 0;
    bool picked = responder().chooseFile(save, ownFilter ? filter : "Tous|*.*||", defaultName,
                                         defaultExtension, index, chosen);
    if (picked) {
        opening = ParentPath(chosen.text());
        if (filterIndex) *filterIndex = index;
        if (save && ownFilter) addPatternExtension(filter, index, chosen);
    }
    SetCurrentFolder(noted.text());
    return picked;
}

bool FolderDialog(const char* prompt, const char* current, TextBuffer& chosen) {
    TextBuffer start(current);
    while (!start.empty() && !FolderExists(start.text())) {
        bool top = !std::strpbrk(start.text(), "\\/");
        start = top ? TextBuffer() : ParentPath(start.text());
    }
    return responder().chooseFolder(prompt, start.text(), chosen);
}
