#pragma once

#include "script/command_run.h"

// RACCOURCI: writes the shortcut "PosLien" to "ExeLien", with the arguments "ArgExe", the start
// folder "HomeExe", the description "InfoLien" and the icon "PosIcone" at index "IdxIcone". The
// folder of the shortcut must exist: a shortcut that was not written is reported.
void runCreateShortcut(CommandRun& run);
