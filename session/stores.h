#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"
#include "session/container.h"

// The process-wide stores of a run. They live as long as the process; start-up fills them and the
// wizard, the worker and the script commands read and write them (never two threads at a time).

// The program's own container; start-up sets its program path also when there is none.
Container& ProgramContainer();

// A folder the run works in, and whether this run created it. The run removes a work folder only
// when it created it: the program's own folder, a model folder or a folder merely found stay.
struct RunFolder {
    TextBuffer path;
    bool createdByRun = false;
};
// The run's private temporary folder; in the model modes, the model folder.
RunFolder& WorkFolder();
// The folder that holds the root install.ini.
TextBuffer& InstallFolder();

// Where the next file dialog opens: the folder of the previous choice; empty until the first
// choice, when the dialogs open in the current folder.
TextBuffer& DialogFolder();
// The wizard's window while it is open: the owner of the message boxes and prompts that scripts
// show; null while there is none.
void*& MainWindow();

// Variables from the "VARBONUS" library and one "lib_" variable per library.
ParamNode& ExtraVariables();
// Failures of the run, newest first: name = failing keyword ("???", "Windows", "ExtLIB", ...),
// value = the French message. A non-empty list means the installation failed.
ParamNode& ErrorList();
// Documents and folders queued by scripts, opened at the end.
ParamNode& OpenList();
// Pictures shown while installing.
ParamNode& SlideShowList();

// Adds a failure at the front of the ErrorList.
void addError(const char* keyword, const char* message);
