// In-process locks over POSIX threads.
//
// ProcessMutex is a plain (non-recursive) mutex. RecursiveProcessMutex may be
// taken again by the thread that holds it; it is released to other threads
// only after as many Unlock calls as Lock calls. Unlock from a thread that
// does not hold it changes nothing. ScopedMutexLock holds either kind for the
// life of a block. None of these is copyable.
#ifndef COMMON_SYNCHRONIZATIONMUTEX_H
#define COMMON_SYNCHRONIZATIONMUTEX_H

#include <pthread.h>

#include <cstdint>

#include "common/noncopyable.h"

namespace Common {
namespace Synchronization {

class ProcessMutex : public NonCopyable {
public:
    ProcessMutex();
    ~ProcessMutex();
    void Lock();
    void Unlock();

private:
    pthread_mutex_t m_mutex;
};

class RecursiveProcessMutex : public NonCopyable {
public:
    RecursiveProcessMutex();
    ~RecursiveProcessMutex();
    void Lock();
    void Unlock();

private:
    bool heldByCaller() const;

    pthread_mutex_t m_guard; // guards the three fields below
    pthread_cond_t m_released;
    pthread_t m_owner;
    bool m_held = false;
    std::uint32_t m_depth = 0;
};

template <class Mutex>
class ScopedMutexLock : public NonCopyable {
public:
    explicit ScopedMutexLock(Mutex& mutex) : m_mutex(mutex) { m_mutex.Lock(); }
    ~ScopedMutexLock() { m_mutex.Unlock(); }

private:
    Mutex& m_mutex;
};

} // namespace Synchronization
} // namespace Common

#endif
