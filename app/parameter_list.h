#pragma once

#include "ui/wizard_window.h"

class CONTROLE_LISTE;
struct InstallSession;

// The parameter page: one row per variable that carries a label ("Info"), in store order, with
// the variable's name as row data, its value in the first column and its label in the second.
void fillParameterList(CONTROLE_LISTE& list);

// Each row's variable takes the whole text of the row's first cell.
void storeParameterValues(CONTROLE_LISTE& list);

// A click in the list of the parameter page, on the row under the mouse: a folder picks a folder
// (left) or is typed (right), free text is typed, a choice moves to the next one, an action runs
// its script with "CLICUSR" set to "Oui" and the list is filled again.
void parameterClick(InstallSession& session, MouseButton button);
