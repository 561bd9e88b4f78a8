#include "app/work_folder.h"

#include "platform/folder_ops.h"
#include "session/stores.h"

// A folder that is merely found could belong to another run, so creation must succeed.
bool createWorkFolder(const char* temporaryFolder) {
    const int candidates = 100000;
    for (int n = 0; n < candidates; ++n) {
        TextBuffer candidate(temporaryFolder);
        candidate.append("\\zav");
        candidate.appendInt(n);
        if (FolderExists(candidate.text()) || PathExists(candidate.text())) continue;
        if (CreateFolder(candidate.text())) {
            WorkFolder().path = candidate;
            WorkFolder().createdByRun = true;
            return true;
        }
    }
    return false;
}

void removeWorkFolder() {
    RunFolder& folder = WorkFolder();
    if (!folder.createdByRun) return;
    RemoveFolder(folder.path.text(), Reach::tree);
    folder.createdByRun = false;
}
