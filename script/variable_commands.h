#pragma once

#include "script/command_run.h"

// Commands that set and remove variables, and the script's own error entries.

// PLAGE: the items "Min" to "Max" of "Chaine" cut at "Separ" (its characters without "Separ"),
// joined again into "Variable"; with "Memo", each item taken also into "Memo" + 0, 1, ...
void runTakeRange(CommandRun& run);
// ERREUR: the ErrorList entry named name gets the text value (overwritten or created in front).
void addErrorItem(CommandRun& run, ParamNode& item);
// AFFECTE: the variable name gets the text value.
void assignItem(CommandRun& run, ParamNode& item);
// TRADUIT: the variable name gets value through the message translation.
void assignTranslationItem(CommandRun& run, ParamNode& item);
// VARKILL: removes the variable name, when there is one.
void removeVariableItem(CommandRun& run, ParamNode& item);
