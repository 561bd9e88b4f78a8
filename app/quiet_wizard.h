#pragma once

struct InstallSession;

// Runs the wizard's pages without a window: the licence accepted, the selections and values the
// pages start with (or the answers file's), Next on every page up to the installation, which is
// waited for, then its report. A page whose Next stays disabled (no product selected) stops the
// run as Cancel would. Queued documents and folders are not opened.
void runQuietWizard(InstallSession& session);
