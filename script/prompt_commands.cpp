#include "script/prompt_commands.h"

#include <cstring>

#include "packages/package.h"
#include "params/variable_store.h"
#include "script/choice_list.h"
#include "script/condition_commands.h"
#include "session/translation.h"
#include "ui/responder.h"

namespace {

// Whether the dialog is due: always with "|tjrs|", with "|ihm|" only when there is a choice.
bool dialogWanted(const char* flags, int32_t candidates) {
    return std::strstr(flags, "|tjrs|") || (std::strstr(flags, "|ihm|") && candidates >= 2);
}

// The chosen text, or null. An empty list shows a notice instead of the dialog.
const char* askChoice(CommandRun& run, ParamNode& choices) {
    if (!choices.children()) {
        responder().notify(translate("Op\xE9ration annul\xE9"
                                     "e"),
                           translate("Vous ne poss\xE9"
                                     "dez pas d'objets"));
        return nullptr;
    }
    const char* title = translate("S\xE9lection");
    const char* prompt = translate(argument(run, "Titre", defaultChoicePrompt));
    return responder().chooseFromList(title, prompt, &choices, run.command.integerOf("ParNom", 0),
                                      run.command.integerOf("ParNomRet", -1));
}

}  // namespace

void runConfirmation(CommandRun& run) {
    const char* title = translate(argument(run, "Titre"));
    const char* message = translate(argument(run, "Message"));
    runBranchOf(run, responder().askYesNo(title, message));
}

void runChooseCandidate(CommandRun& run) {
    ParamNode& choices = run.package.choiceList;
    if (const ParamNode* offered = run.command.find("ChoixStat")) {
        for (ParamCell* c = offered->children(); c; c = c->next) {
            addChoice(choices, c->node->name(), c->node->value());
        }
    }
    if (const char* flags = argument(run, "IHM", nullptr)) {
        const char* result = nullptr;
        if (dialogWanted(flags, choices.childCount())) {
            result = askChoice(run, choices);
        } else if (const ParamNode* first = choices.child(0)) {
            result = first->name();
        }
        if (!result) result = argument(run, "Defaut", nullptr);
        // Set before the list is emptied: the result may be a name held by the list.
        if (result) setVariable(argument(run, "Variable"), result);
        choices.setChildren(nullptr, TakeList::adopt);
    }
    setVariableInteger("IHM_LSTNB", choices.childCount());
}

void showInformationItem(CommandRun&, ParamNode& item) {
    responder().showMessage(translate(item.name()), translate(itemValue(item)), false);
}
