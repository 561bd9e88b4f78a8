#include "script/registry_commands.h"

#include <cstring>

#include "packages/package.h"
#include "params/variable_store.h"
#include "platform/registry_key.h"
#include "script/registry_search.h"
#include "session/run_state.h"
#include "session/translation.h"

namespace {

const char* storedPath(const RegistryKey& key) {
    return key.path() ? key.path() : "";
}

// An optional key that holds visible text, or null.
const ParamNode* visibleArgument(const CommandRun& run, const char* key) {
    const ParamNode* node = run.command.find(key);
    return node && hasVisibleByte(node->value()) ? node : nullptr;
}

}  // namespace

void runRegistryView(CommandRun& run) {
    if (const ParamNode* variable = visibleArgument(run, "Variable")) {
        setVariableInteger(variable->value(), registryView64() ? 1 : 0);
    }
    if (const ParamNode* bits = visibleArgument(run, "Valeur")) {
        setRegistryViewBits(bits->integerValue());
    }
}

void runRegistryExport(CommandRun& run) {
    TextBuffer keyPath;
    const char* file = argument(run, "Fichier");
    FileBefore before = fileBefore(Copied().made, file);
    if (!exportValues(argument(run, "Racine"), argument(run, "Branche"), file, keyPath)) {
        report(run, "Erreur d'export du registre ", keyPath.text());
    }
    tellFileWritten(Copied().made, file, before);
}

void runRegistryImport(CommandRun& run) {
    ParamNodeList failedKeys = nullptr;
    importFile(argument(run, "Fichier"), VariableStore(), failedKeys, Copied().made);
    for (ParamCell* c = failedKeys; c; c = c->next) {
        report(run, "Erreur d'import du registre ", c->node->name());
    }
    listClear(failedKeys);
}

void runRegistryWrite(CommandRun& run) {
    RegistryKey key;
    key.allowWriting();
    key.tellMade(Copied().made);
    key.joinRootAndBranch(argument(run, "Racine"), argument(run, "Branche"), KeyOpening::create);
    if (!key.writeValue(argument(run, "Nom"), argument(run, "Valeur", ""),
                        IntegerNodes::asString)) {
        report(run,
               "Erreur d'\xE9"
               "criture dans le registre ",
               storedPath(key));
    }
}

void runRegistryRead(CommandRun& run) {
    RegistryKey key;
    key.tellMade(Copied().made);
    key.joinRootAndBranch(argument(run, "Racine"), argument(run, "Branche"), KeyOpening::create);
    const char* value = key.readValue(argument(run, "Nom"), KeyListing::cached, ValueForm::plain);
    if (!value) value = argument(run, "Defaut", nullptr);
    if (value) {
        setVariable(argument(run, "Variable"), value);
    } else {
        report(run, "Erreur de lecture dans le registre ", storedPath(key));
    }
}

void runRegistrySearch(CommandRun& run) {
    const char* flags = argument(run, "IHM");
    BranchSearch search{argument(run, "Racine"),
                        argument(run, "AvBranche"),
                        argument(run, "ApBranche"),
                        argument(run, "Nom"),
                        flags,
                        translate(argument(run, "Titre", defaultChoicePrompt)),
                        std::strstr(flags, "|memo|") ? &run.package.choiceList : nullptr,
                        run.command.find("Valide")};
    TextBuffer result;
    const char* value = searchBranches(run.package, search, result)
                            ? result.text()
                            : argument(run, "Valeur", nullptr);
    if (value) {
        setVariable(argument(run, "Variable"), value);
    } else {
        report(run, "Erreur de recherche dans le registre ", search.before);
    }
}

void cloneBranchItem(CommandRun&, ParamNode& item) {
    cloneBranch(item.name(), itemValue(item), BranchCopy::replace, Copied().made);
}
