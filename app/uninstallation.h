#pragma once

#include "params/text_buffer.h"

struct InstallSession;

// Where the products the installer sets up as removable keep their uninstaller and its journal:
// the root package's "Desinstallation" setting, expanded; empty when it has none.
TextBuffer uninstallationFolder(const InstallSession& session);

// Makes the folder and sends the journal there, after an earlier installation's journal when
// one is there (a repair or an upgrade). False, with an error listed, when the folder or the
// journal cannot be made.
bool openJournal(InstallSession& session, const char* folder);

// The end of an installation that keeps a journal: the uninstaller beside it (the program
// without its payload) and the product's entry in the system's list of programs, for all users
// or, in shortcut mode 2, for the user alone. Failures are listed as errors.
void finishUninstallation(InstallSession& session, const char* folder);

// A Cancel: undoes what this run recorded and takes its records out of the journal again, which
// goes when no earlier installation wrote to it. True when the journal is gone.
bool undoThisRun(InstallSession& session, const char* folder);
