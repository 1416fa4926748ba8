#pragma once
// A plain mutex that tells the system when it is destroyed, so that a lock at the
// address of an earlier control is not taken for the same lock (thread checkers
// would otherwise report lock orders of two different controls as one).
#include <pthread.h>

namespace vm {

class SurfaceLock {
public:
    SurfaceLock() { pthread_mutex_init(&mutex_, nullptr); }
    ~SurfaceLock() { pthread_mutex_destroy(&mutex_); }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

    void lock() { pthread_mutex_lock(&mutex_); }
    void unlock() { pthread_mutex_unlock(&mutex_); }
    bool try_lock() { return pthread_mutex_trylock(&mutex_) == 0; }

private:
    pthread_mutex_t mutex_;
};

} // namespace vm
