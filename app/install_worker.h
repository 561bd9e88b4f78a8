#pragma once

struct InstallSession;

// Starts the worker for the installation page; without a thread the run ends at once, as a run
// whose scripts did nothing.
void startInstallWorker(InstallSession& session);

// Halts a running worker: the scripts stop before their next command, copies before their next
// file, and a program the scripts wait for is no longer waited for (it goes on running). Returns
// once the worker has left, so that nothing it used is still in use. Nothing to do without one.
void stopInstallWorker(InstallSession& session);

// Releases the thread of a worker that has set its done flag.
void releaseInstallWorker(InstallSession& session);
