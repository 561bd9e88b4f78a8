#pragma once

// One background thread that the interface thread starts and later waits for.
struct WorkerThread;

// Starts entry(argument) on a new thread at below-normal priority, so that the window stays
// responsive while it works; null when the system cannot start it.
WorkerThread* startWorkerThread(int (*entry)(void*), void* argument);

// Waits until the thread has returned and releases it. Messages sent to the caller's windows by
// other threads are still handled while it waits, so a thread that is just opening a window owned
// by the caller's cannot block the wait.
void joinWorkerThread(WorkerThread* thread);
