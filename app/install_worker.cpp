#include "app/install_worker.h"

#include "app/install_session.h"
#include "app/uninstallation.h"
#include "app/uninstaller.h"
#include "packages/package.h"
#include "platform/folder_ops.h"
#include "platform/worker_thread.h"
#include "script/installation_walk.h"
#include "session/run_state.h"
#include "session/translation.h"

namespace {

// An installation that keeps a journal: a stopped one is undone, any other one (errors
// included, so that it can be removed or repaired) gets its uninstaller and entry.
void runJournaled(InstallSession& session, const char* folder) {
    bool journaled = openJournal(session, folder);
    runInstallation(*session.rootPackage);
    if (!journaled) return;
    if (!stopRequested()) {
        session.journal.languageUsed(Language().text(), Translations().find(Language().text()));
        finishUninstallation(session, folder);
        return;
    }
    session.worker.undone = true;
    if (undoThisRun(session, folder))
        for (auto& own : session.undo.ownFolders) RemoveEmptyFolder(own.text());
}

// The worker thread's entry: runs the installation of the session's package tree (or the
// removal of an installed one), then sets its done flag. It neither reports nor touches the
// window; the progress timer does both.
int installThreadProc(void* argument) {
    InstallSession& session = *static_cast<InstallSession*>(argument);
    TextBuffer folder;
    if (session.mode == SessionMode::uninstall)
        runRemoval(session);
    else if (!(folder = uninstallationFolder(session)).empty())
        runJournaled(session, folder.text());
    else
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
