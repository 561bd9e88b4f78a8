#include "app/install_session.h"

#include "app/work_folder.h"
#include "packages/package.h"
#include "session/run_state.h"

InstallSession::InstallSession(SessionMode mode) : mode(mode) {}

// A start-up that failed leaves no work folder behind either: it may hold a whole copy of the
// program joined from its volumes, and nothing in it is of use once the run is over.
InstallSession::~InstallSession() {
    removeWorkFolder();
    if (Copied().made == &journal) Copied().made = nullptr;
}
