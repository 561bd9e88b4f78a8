#pragma once

#include "script/command_run.h"

// Keyed commands that decide between their "Oui" and "Non" branches.

// Runs the command's "Oui" branch when yes, its "Non" branch otherwise.
void runBranchOf(CommandRun& run, bool yes);

// SI_EGAL: "Chaine1" and "Chaine2" equal under the FoldUpper comparison.
void runIfEqual(CommandRun& run);
// SI_SUP: "Chaine1" greater than "Chaine2", both read as decimal numbers (0 when missing).
void runIfGreater(CommandRun& run);
// SI_STRSTR: "Chaine2" occurs in "Chaine1"; A-Z letters compared without case unless bit 0 of
// "FLAGS" is set.
void runIfContains(CommandRun& run);
// SI_FICHEXISTE: "Chemin" is a file or folder.
void runIfPathExists(CommandRun& run);
// SI_REPEXISTE: "Chemin" is a folder that can be listed.
void runIfFolderExists(CommandRun& run);
