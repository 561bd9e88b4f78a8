#pragma once

struct InstallSession;
class WizardView;

// The wizard's page logic over its window. All of it runs on the interface thread.

// Attaches the window, puts the session's choices into its controls and lays out the first page.
void startWizard(InstallSession& session, WizardView& view);

// Moves by step (-1, 0 or +1), passing over the pages that ask to be skipped in the direction of
// travel.
void navigate(InstallSession& session, int step);

// One move and the layout of the page reached; skip receives the step with which to pass over
// that page (a products or components page with nothing to list), else 0.
void showPage(InstallSession& session, int step, int& skip);

// Next is disabled on the licence page until the licence is accepted and on the products page
// while no product is selected.
void updateNextButton(InstallSession& session);

// The main buttons: Next, previous and Cancel (also the close box and Escape).
void onNext(InstallSession& session);
void onPrevious(InstallSession& session);
void onCancel(InstallSession& session);

// Writes the report of the run (app/report.h) and moves the wizard to the state page that shows
// it.
void showReport(InstallSession& session, const char* title, const char* text, bool failed);
