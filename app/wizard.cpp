#include "app/wizard.h"

#include "app/about_box.h"
#include "app/install_session.h"
#include "app/install_worker.h"
#include "app/parameter_list.h"
#include "app/progress_display.h"
#include "app/publisher_name.h"
#include "app/quiet_wizard.h"
#include "app/wizard_pages.h"
#include "app/work_folder.h"
#include "ui/wizard_view.h"
#include "ui/wizard_window.h"

namespace {

// The window's events, each to its handler of the page logic.
struct SessionEvents : WizardEvents {
    explicit SessionEvents(InstallSession& session) : session(session) {}
    void opened(WizardView& view) override { startWizard(session, view); }
    void clicked(int id) override {
        if (id == controlNext) onNext(session);
        if (id == controlCancel) onCancel(session);
        if (id == controlPrevious) onPrevious(session);
        if (id == controlAccept || id == controlRefuse) updateNextButton(session);
    }
    void listSelectionChanged() override { updateNextButton(session); }
    void timerTicked() override { onProgressTimer(session); }
    void painting() override { paintPictures(session); }
    void aboutChosen() override { showAboutBox(publisherName(*session.rootPackage)); }
    void listClicked(MouseButton button) override { parameterClick(session, button); }

    InstallSession& session;
};

}  // namespace

// Closing from the state page removes the work folder; however else the window ended (the
// system's session ending, for one), the worker is halted first and the run leaves no work
// folder behind either.
void runWizard(InstallSession& session) {
    session.exitCode = exitStopped;
    if (session.quiet) {
        runQuietWizard(session);
    } else {
        SessionEvents events(session);
        runWizardWindow(events);
    }
    stopInstallWorker(session);
    session.list.attach(nullptr);
    session.view = nullptr;
    removeWorkFolder();
}
