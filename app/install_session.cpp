#include "app/install_session.h"

#include "app/session_startup.h"
#include "app/work_folder.h"
#include "packages/package.h"

InstallSession::InstallSession(int mode, void* parentWindow) : mode(mode) {
    startSession(*this);
}

InstallSession::~InstallSession() = default;

// The wizard's window comes later; until then a successful start-up only tidies up after itself.
void runWizard(InstallSession&) {
    removeWorkFolder();
}
