#include "script/command_table.h"

#include <cstddef>

#include "params/fold_upper.h"
#include "script/condition_commands.h"
#include "script/file_commands.h"
#include "script/program_commands.h"
#include "script/prompt_commands.h"
#include "script/registry_commands.h"
#include "script/shortcut_commands.h"
#include "script/subfunction_command.h"
#include "script/variable_commands.h"

namespace {

struct KeyedEntry {
    const char* keyword;
    KeyedCommand run;
};

struct ItemEntry {
    const char* keyword;
    ItemCommand run;
};

// Dispatch order: the first keyword equal under FoldUpper wins.
const KeyedEntry keyedCommands[] = {
    {"RACCOURCI", runCreateShortcut},
    {"CONFIRMATION", runConfirmation},
    {"SI_EGAL", runIfEqual},
    {"SI_SUP", runIfGreater},
    {"SI_STRSTR", runIfContains},
    {"SI_FICHEXISTE", runIfPathExists},
    {"SI_REPEXISTE", runIfFolderExists},
    {"PLAGE", runTakeRange},
    {"IHM_LST", runChooseCandidate},
    {"REG_PROCBITS", runRegistryView},
    {"REG_EXPORT", runRegistryExport},
    {"REG_IMPORT", runRegistryImport},
    {"REG_ECRIT", runRegistryWrite},
    {"REG_LIT", runRegistryRead},
    {"REG_EVAL", runRegistrySearch},
};

const ItemEntry itemCommands[] = {
    {"REG_CLONE", cloneBranchItem},    {"SSFCT", callSubFunction},
    {"FCOPY", copyFileItem},           {"RENAME", renameItem},
    {"FCREATE", createFileItem},       {"FAPPEND", appendLineItem},
    {"MKDIR", makeFolderItem},         {"CPDIR", copyFolderItem},
    {"CPLIB", copyLibraryItem},        {"DELDIR", deleteFolderItem},
    {"FDEL", deleteFileItem},          {"EVALUE", evaluateFileItem},
    {"ERREUR", addErrorItem},          {"INFORMATION", showInformationItem},
    {"AFFECTE", assignItem},           {"TRADUIT", assignTranslationItem},
    {"VARKILL", removeVariableItem},   {"OUVRE", queueOpenItem},
    {"EXECUTECLIC", openDocumentItem}, {"EXECUTE", startProgramItem},
    {"EXECUTESTOP", runProgramItem},
};

template <typename Entry, std::size_t n>
const Entry* findEntry(const Entry (&table)[n], const char* keyword) {
    for (const Entry& entry : table) {
        if (foldEquals(entry.keyword, keyword)) return &entry;
    }
    return nullptr;
}

}  // namespace

KeyedCommand findKeyedCommand(const char* keyword) {
    const KeyedEntry* entry = findEntry(keyedCommands, keyword);
    return entry ? entry->run : nullptr;
}

ItemCommand findItemCommand(const char* keyword) {
    const ItemEntry* entry = findEntry(itemCommands, keyword);
    return entry ? entry->run : nullptr;
}
