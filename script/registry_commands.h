#pragma once

#include "script/command_run.h"

// The commands that read and change the registry. Key paths in their reports are the paths below
// the root, without the root name.

// REG_PROCBITS: puts the 64-bit view switch (1 or 0) into "Variable", then sets it from "Valeur"
// (on unless 0 or 32).
void runRegistryView(CommandRun& run);
// REG_EXPORT: writes the values of "Racine" + "Branche" to "Fichier".
void runRegistryExport(CommandRun& run);
// REG_IMPORT: writes the keys and values of the file "Fichier".
void runRegistryImport(CommandRun& run);
// REG_ECRIT: writes "Valeur" (typed by its prefix) as the value "Nom" of "Racine" + "Branche".
void runRegistryWrite(CommandRun& run);
// REG_LIT: reads the value "Nom" of "Racine" + "Branche" (the key is created when missing) into
// "Variable", or "Defaut" when there is no such value.
void runRegistryRead(CommandRun& run);
// REG_EVAL: searches the subkeys of "Racine" + "AvBranche" for "ApBranche" holding the value
// "Nom" and puts the chosen subkey name into "Variable", or "Valeur" when there is no hit.
void runRegistrySearch(CommandRun& run);
// REG_CLONE: replaces the branch value (a full key path) by a copy of the branch name.
void cloneBranchItem(CommandRun& run, ParamNode& item);
