#pragma once

#include "script/command_run.h"

// The commands that start programs and open documents. An item's name is the program or
// document, its value one argument (passed in double quotes) and its child "INI" the start
// folder. A failure to start is always reported, even with "-".

// OUVRE: queues a copy of the item in the OpenList, for opening after the installation.
void queueOpenItem(CommandRun& run, ParamNode& item);
// EXECUTECLIC: opens the item through the shell.
void openDocumentItem(CommandRun& run, ParamNode& item);
// EXECUTE: starts the program and goes on at once.
void startProgramItem(CommandRun& run, ParamNode& item);
// EXECUTESTOP: starts the program and waits for its end, or for a stop request.
void runProgramItem(CommandRun& run, ParamNode& item);

// Opens every item of the OpenList, in order, like EXECUTECLIC but without reports.
void openQueuedItems();
