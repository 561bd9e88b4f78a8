#include "platform/system_info.h"

#include "params/variable_store.h"
#include "platform/path_names.h"
#include "platform/process_paths.h"

namespace {

struct FolderVariable {
    const char* name;
    int32_t number;
};

// Application data (8) and the folders from 6 on have no all-users form, so
// the sharing option leaves them the user's.
const FolderVariable folderVariables[] = {
    {"WIN_BUREAU", 1},       {"WIN_DATAAPPLI", 8},        {"WIN_MENUPRG", 3},
    {"WIN_MENUDEMARRER", 2}, {"WIN_MENUDEMARRERAUTO", 4}, {"WIN_FAVORI", 5},
    {"WIN_SENDTO", 6},       {"WIN_FICHIERMODELE", 7},    {"WIN_MESDOCUMENTS", 9},
};

}  // namespace

void SetSystemVariables(bool allUsers, const char* language) {
    for (const FolderVariable& variable : folderVariables) {
        const char* folder = ShellFolder(variable.number, allUsers);
        setVariable(variable.name, folder ? folder : "");
    }
    setVariableInteger("OSBITS", OsBits());
    TextBuffer fullName;
    setVariableInteger("OSID", OsIdentify(&fullName));
    setVariable("OSNOM", fullName.text());
    setVariable("LANGUECR", language ? language : "");
    TextBuffer program = BaseName(ModulePath().text());
    setVariable("INSTALLEFIC", program.text());
    TextBuffer prefix;
    prefix.append(program.text(), program.length() < 3 ? program.length() : 3);
    setVariable("INSTALLEID3", prefix.text());
    setVariable("INSTALLERAC", ExeDirectory().text());
}
