#pragma once

struct InstallSession;

// Runs the wizard until the user closes it, or its pages without a window in a quiet run.
void runWizard(InstallSession& session);
