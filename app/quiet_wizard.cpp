#include "app/quiet_wizard.h"

#include "app/install_session.h"
#include "app/install_worker.h"
#include "app/progress_display.h"
#include "app/wizard_pages.h"
#include "ui/wizard_view.h"

namespace {

// The window's state that the page logic reads back: the check marks. It has no list, so the
// products, components and parameters pages are passed over: the packages keep their selections
// and the variables their values (the answers file's included).
struct QuietView : WizardView {
    bool checked[controlInstruction + 1] = {};

    void setCaption(const char*) override {}
    void showControl(int, bool) override {}
    void enableControl(int, bool) override {}
    void setControlText(int, const char*) override {}
    bool isChecked(int id) override { return checked[id]; }
    void setChecked(int id, bool on) override { checked[id] = on; }
    ListView* list() override { return nullptr; }
    void redraw() override {}
    void drawPicture(int, const Bitmap&) override {}
    void close() override {}
    void beep(WizardSound) override {}
};

}  // namespace

void runQuietWizard(InstallSession& session) {
    QuietView view;
    startWizard(session, view);
    view.setChecked(controlAccept, true);
    while (session.currentPage < pageInstalling) onNext(session);
    if (session.currentPage == pageInstalling) {
        releaseInstallWorker(session);
        onProgressTimer(session);
    }
    view.setChecked(controlOpenFolders, false);
    onCancel(session);
}
