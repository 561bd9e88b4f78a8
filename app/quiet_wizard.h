#pragma once

struct InstallSession;

// Runs the wizard's pages without a window: the licence accepted, the list pages passed over with
// the selections and values the run starts with (the answers file's applied), Next up to the
// installation, which is waited for, then its report. Queued documents and folders are not
// opened.
void runQuietWizard(InstallSession& session);
