#include "script/command_syntax.h"

#include <cstring>

#include "params/fold_upper.h"

namespace {

using K = KeyUse;

const CommandKey shortcutKeys[] = {
    {"PosLien", K::required},  {"ExeLien", K::required},  {"ArgExe", K::optional},
    {"HomeExe", K::optional},  {"InfoLien", K::optional}, {"PosIcone", K::optional},
    {"IdxIcone", K::optional},
};
const CommandKey confirmationKeys[] = {
    {"Message", K::required}, {"Titre", K::required}, {"Oui", K::branch}, {"Non", K::branch}};
const CommandKey compareKeys[] = {
    {"Chaine1", K::required}, {"Chaine2", K::required}, {"Oui", K::branch}, {"Non", K::branch}};
const CommandKey compareNumberKeys[] = {
    {"Chaine1", K::optional}, {"Chaine2", K::optional}, {"Oui", K::branch}, {"Non", K::branch}};
const CommandKey containsKeys[] = {{"Chaine1", K::required},
                                   {"Chaine2", K::required},
                                   {"FLAGS", K::optional},
                                   {"Oui", K::branch},
                                   {"Non", K::branch}};
const CommandKey pathKeys[] = {{"Chemin", K::optional}, {"Oui", K::branch}, {"Non", K::branch}};
const CommandKey rangeKeys[] = {{"Chaine", K::required}, {"Separ", K::optional},
                                {"Min", K::optional},    {"Max", K::optional},
                                {"Memo", K::numbers},    {"Variable", K::assigns}};
const CommandKey chooseKeys[] = {{"ChoixStat", K::pairs},    {"IHM", K::optional},
                                 {"Titre", K::optional},     {"ParNom", K::optional},
                                 {"ParNomRet", K::optional}, {"Defaut", K::optional},
                                 {"Variable", K::assigns}};
const CommandKey viewKeys[] = {{"Variable", K::assignsIfGiven}, {"Valeur", K::optional}};
const CommandKey exportKeys[] = {
    {"Racine", K::required}, {"Branche", K::required}, {"Fichier", K::required}};
const CommandKey importKeys[] = {{"Fichier", K::required}};
const CommandKey writeKeys[] = {{"Racine", K::required},
                                {"Branche", K::required},
                                {"Nom", K::required},
                                {"Valeur", K::optional}};
const CommandKey readKeys[] = {{"Racine", K::required},
                               {"Branche", K::required},
                               {"Nom", K::required},
                               {"Variable", K::assigns},
                               {"Defaut", K::optional}};
const CommandKey searchKeys[] = {
    {"Racine", K::required}, {"AvBranche", K::required}, {"ApBranche", K::required},
    {"Nom", K::required},    {"IHM", K::required},       {"Variable", K::assigns},
    {"Titre", K::optional},  {"Valide", K::script},      {"Valeur", K::optional}};
const CommandKey programItemKeys[] = {{"INI", K::optional}};

template <int n>
constexpr CommandSyntax keyed(const char* keyword, const CommandKey (&keys)[n]) {
    return {keyword, true, keys, n, false};
}
// A per-item command whose items have no children it reads.
constexpr CommandSyntax item(const char* keyword) {
    return {keyword, false, nullptr, 0, false};
}
// A program or document item, which may name its start folder in a child "INI".
constexpr CommandSyntax programItem(const char* keyword) {
    return {keyword, false, programItemKeys, 1, false};
}

// In the dispatch order of command_table.cpp; a test holds the two together.
const CommandSyntax commands[] = {
    keyed("RACCOURCI", shortcutKeys),
    keyed("CONFIRMATION", confirmationKeys),
    keyed("SI_EGAL", compareKeys),
    keyed("SI_SUP", compareNumberKeys),
    keyed("SI_STRSTR", containsKeys),
    keyed("SI_FICHEXISTE", pathKeys),
    keyed("SI_REPEXISTE", pathKeys),
    keyed("PLAGE", rangeKeys),
    keyed("IHM_LST", chooseKeys),
    keyed("REG_PROCBITS", viewKeys),
    keyed("REG_EXPORT", exportKeys),
    keyed("REG_IMPORT", importKeys),
    keyed("REG_ECRIT", writeKeys),
    keyed("REG_LIT", readKeys),
    keyed("REG_EVAL", searchKeys),
    item("REG_CLONE"),
    {"SSFCT", false, nullptr, 0, true},
    item("FCOPY"),
    item("RENAME"),
    item("FCREATE"),
    item("FAPPEND"),
    item("MKDIR"),
    item("CPDIR"),
    item("CPLIB"),
    item("DELDIR"),
    item("FDEL"),
    item("EVALUE"),
    item("ERREUR"),
    item("INFORMATION"),
    item("AFFECTE"),
    item("TRADUIT"),
    item("VARKILL"),
    programItem("OUVRE"),
    programItem("EXECUTECLIC"),
    programItem("EXECUTE"),
    programItem("EXECUTESTOP"),
};

}  // namespace

const CommandSyntax* findCommandSyntax(const char* keyword) {
    for (const CommandSyntax& command : commands) {
        if (foldEquals(command.keyword, keyword)) return &command;
    }
    return nullptr;
}

const CommandSyntax* commandSyntaxes(int& count) {
    count = static_cast<int>(sizeof(commands) / sizeof(commands[0]));
    return commands;
}

const CommandKey* findCommandKey(const CommandSyntax& command, const char* name) {
    for (int i = 0; i < command.keyCount; ++i) {
        if (std::strcmp(command.keys[i].name, name) == 0) return &command.keys[i];
    }
    return nullptr;
}
