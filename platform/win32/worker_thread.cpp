#include "platform/worker_thread.h"

#include <windows.h>

struct WorkerThread {
    HANDLE handle;
    int (*entry)(void*);
    void* argument;
};

namespace {

DWORD WINAPI threadStart(LPVOID parameter) {
    WorkerThread* thread = static_cast<WorkerThread*>(parameter);
    return static_cast<DWORD>(thread->entry(thread->argument));
}

}  // namespace

WorkerThread* startWorkerThread(int (*entry)(void*), void* argument) {
    WorkerThread* thread = new WorkerThread{nullptr, entry, argument};
    // Created suspended so that the priority holds from its first instruction.
    thread->handle = CreateThread(nullptr, 0, threadStart, thread, CREATE_SUSPENDED, nullptr);
    if (!thread->handle) {
        delete thread;
        return nullptr;
    }
    SetThreadPriority(thread->handle, THREAD_PRIORITY_BELOW_NORMAL);
    ResumeThread(thread->handle);
    return thread;
}

void joinWorkerThread(WorkerThread* thread) {
    // A window the worker creates with an owner on this thread sends messages here before it
    // shows; a plain wait would never let them through.
    while (MsgWaitForMultipleObjects(1, &thread->handle, FALSE, INFINITE, QS_SENDMESSAGE) !=
           WAIT_OBJECT_0) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    CloseHandle(thread->handle);
    delete thread;
}
