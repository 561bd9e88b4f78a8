#include "platform/system_info.h"

#include <cstdlib>

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

// The first of the environment's variables that is set, else the empty text.
const char* firstSet(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    if (!value) value = std::getenv(fallback);
    return value ? value : "";
}

// The program folders, as the system names them to every process: a 32-bit one sees its own
// "ProgramFiles" and the 64-bit folder as "ProgramW6432"; a 32-bit Windows has only the one.
void setProgramFolders() {
    setVariable("WIN_PROGRAMMES32", firstSet("ProgramFiles(x86)", "ProgramFiles"));
    setVariable("WIN_PROGRAMMES64", firstSet("ProgramW6432", "ProgramFiles"));
    const char* local = std::getenv("LOCALAPPDATA");
    TextBuffer privatePrograms(local ? local : "");
    if (!privatePrograms.empty()) privatePrograms.appendPath("Programs");
    setVariable("WIN_PROGRAMMESPRIVES", privatePrograms.text());
}

}  // namespace

void SetSystemVariables(bool allUsers, const char* language) {
    for (const FolderVariable& variable : folderVariables) {
        setVariable(variable.name, ShellFolder(variable.number, allUsers).text());
    }
    setProgramFolders();
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
