#include "app/install_worker.h"

#include "app/install_session.h"
#include "packages/package.h"
#include "platform/worker_thread.h"
#include "script/installation_walk.h"
#include "session/run_state.h"

namespace {

// The worker thread's entry: runs the installation of the session's package tree, then sets
// its done flag. It neither reports nor touches the window; the progress timer does both.
int installThreadProc(void* argument) {
    InstallSession& session = *static_cast<InstallSession*>(argument);
    runInstallation(*session.rootPackage);
    session.worker.done.store(true);
    return 1;
}

}  // namespace

void startInstallWorker(InstallSession& session) {
    session.worker.done.store(false);
    session.worker.thread = startWorkerThread(installThreadProc, &session);
    if (!session.worker.thread) session.worker.done.store(true);
}

void stopInstallWorker(InstallSession& session) {
    if (!session.worker.thread) return;
    StopFlag().store(true);
    releaseInstallWorker(session);
}

void releaseInstallWorker(InstallSession& session) {
    if (!session.worker.thread) return;
    joinWorkerThread(session.worker.thread);
    session.worker.thread = nullptr;
}
