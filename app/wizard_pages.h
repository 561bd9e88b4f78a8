#pragma once

#include "app/report.h"

struct InstallSession;
struct Package;
class WizardView;

// The wizard's page logic over its window. All of it runs on the interface thread.

// Attaches the window, puts the run's start into its controls (no licence radio, the shortcut
// mode of shortcutModeFrom, the 64-bit box on a 64-bit system) and lays out the first page.
void startWizard(InstallSession& session, WizardView& view);

// Next is disabled on the licence page until the licence is accepted and on the products page
// while no product is selected.
void updateNextButton(InstallSession& session);

// The main buttons: Next, previous and Cancel (also the close box and Escape).
void onNext(InstallSession& session);
void onPrevious(InstallSession& session);
void onCancel(InstallSession& session);

// Writes the report of the run (app/report.h) and moves the wizard to the state page that shows
// it.
void showReport(InstallSession& session, const char* title, const char* text,
                RunOutcome outcome);

// The shortcut radio checked when the wizard starts, from the root package's "MdeInst": m > 0
// gives m - 1, m < 0 gives -1 - m, 0 (or none) defaultShortcutMode.
int shortcutModeFrom(const Package& root);
