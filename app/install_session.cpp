#include "app/install_session.h"

#include "app/session_startup.h"
#include "app/work_folder.h"
#include "params/package.h"

namespace {
InstallSession* liveSession = nullptr;
}

InstallSession* currentSession() {
    return liveSession;
}

InstallSession::InstallSession(int mode, void* parentWindow) : mode(mode) {
    liveSession = this;
    startSession(*this);
}

InstallSession::InstallSession(NoStartup) : mode(0) {
    liveSession = this;
}

InstallSession::~InstallSession() {
    if (liveSession == this) liveSession = nullptr;
}

// The wizard's window comes later; until then a successful start-up only tidies up after itself.
void runWizard(InstallSession&) {
    removeWorkFolder();
}
