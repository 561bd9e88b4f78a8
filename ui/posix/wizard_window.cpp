#include "ui/wizard_window.h"

// The native builds have no window; their tests drive the page logic over a view of their own.
void runWizardWindow(WizardEvents&) {}
