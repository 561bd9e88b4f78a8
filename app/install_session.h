#pragma once

#include <memory>

struct Package;

// The start value of the process-wide shortcut mode, used when the root package sets no "MdeInst".
const int defaultShortcutMode = 1;

// The owner of one run: start-up in the constructor, then the wizard as a modal dialog.
struct InstallSession {
    InstallSession(int mode, void* parentWindow);
    ~InstallSession();
    InstallSession(const InstallSession&) = delete;
    InstallSession& operator=(const InstallSession&) = delete;

    int mode;
    // -1 until a temporary folder is found, 0 when the wizard may run, 1 when the run must stop.
    int startupStatus = -1;
    std::unique_ptr<Package> rootPackage;
    int shortcutMode = -1;
    // 1 when registry scripts use the 64-bit view (a 64-bit system).
    int use64BitView = 0;
};

// Runs the wizard until the user closes it.
void runWizard(InstallSession& session);
