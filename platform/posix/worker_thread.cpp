#include "platform/worker_thread.h"

#include <pthread.h>

struct WorkerThread {
    pthread_t handle;
    int (*entry)(void*);
    void* argument;
};

namespace {

void* threadStart(void* parameter) {
    WorkerThread* thread = static_cast<WorkerThread*>(parameter);
    thread->entry(thread->argument);
    return nullptr;
}

}  // namespace

// The native builds have no priorities to honour: tests only need the thread.
WorkerThread* startWorkerThread(int (*entry)(void*), void* argument) {
    WorkerThread* thread = new WorkerThread{pthread_t(), entry, argument};
    if (pthread_create(&thread->handle, nullptr, threadStart, thread) != 0) {
        delete thread;
        return nullptr;
    }
    return thread;
}

void joinWorkerThread(WorkerThread* thread) {
    pthread_join(thread->handle, nullptr);
    delete thread;
}
