#include "platform/system_info.h"

#include "app/translation.h"
#include "params/variable_store.h"
#include "platform/path_names.h"
#include "platform/process_paths.h"

namespace {

struct FolderVariable {
    const char* name;
    int32_t number;
    bool userOnly;  // the user's folder whatever the sharing option
};

const FolderVariable folderVariables[] = {
    {"WIN_BUREAU", 1, false},        {"WIN_DATAAPPLI", 8, true},
    {"WIN_MENUPRG", 3, false},       {"WIN_MENUDEMARRER", 2, false},
    {"WIN_MENUDEMARRERAUTO", 4, false}, {"WIN_FAVORI", 5, false},
    {"WIN_SENDTO", 6, false},        {"WIN_FICHIERMODELE", 7, false},
    {"WIN_MESDOCUMENTS", 9, false},
};

}  // namespace

void SetSystemVariables(bool allUsers)
{
    for (const FolderVariable& variable : folderVariables) {
        const char* folder = ShellFolder(variable.number, allUsers && !variable.userOnly);
        setVariable(variable.name, folder ? folder : "");
    }
    setVariableInteger("OSBITS", OsBits());
    TextBuffer fullName;
    setVariableInteger("OSID", OsIdentify(&fullName));
    setVariable("OSNOM", fullName.text());
    setVariable("LANGUECR", sessionLanguage());
    TextBuffer program = BaseName(ModulePath().text());
    setVariable("INSTALLEFIC", program.text());
    TextBuffer prefix;
    prefix.append(program.text(), program.length() < 3 ? program.length() : 3);
    setVariable("INSTALLEID3", prefix.text());
    setVariable("INSTALLERAC", ExeDirectory().text());
}
