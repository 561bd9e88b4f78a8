#pragma once

#include "script/command_run.h"

// Commands that ask the user; each waits for the answer.

// CONFIRMATION: a Yes/No question ("Message", caption "Titre"), then the "Oui" or "Non" branch.
void runConfirmation(CommandRun& run);
// IHM_LST: adds the "ChoixStat" pairs to the package's ChoiceList; with "IHM", chooses one of
// them (asking when the flags say so) into "Variable" and empties the list. "IHM_LSTNB" gets the
// number of pairs left.
void runChooseCandidate(CommandRun& run);
// INFORMATION: an information box, caption = item name, text = item value.
void showInformationItem(CommandRun& run, ParamNode& item);
