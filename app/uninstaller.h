#pragma once

struct InstallSession;

// The start of an uninstaller's run ("/uninstall"): the journal beside the program is read and
// checked, the language it recorded taken, and, unless the run is quiet, the user asked whether
// to go on. A journal that cannot be used stops the run with its reason: nothing is removed.
void startUninstallation(InstallSession& session);

// The worker's part of that run: undoes the records start-up read, then deletes the journal.
// What could not be removed or restored is listed as an error.
void runRemoval(InstallSession& session);

// Once the wizard has closed on a removal that deleted the journal: the program's own file, then
// the folders around it that the installation made, go once the process has ended.
void finishRemoval(const InstallSession& session);
