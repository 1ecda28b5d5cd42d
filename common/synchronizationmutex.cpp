#include "common/synchronizationmutex.h"

namespace Common {
namespace Synchronization {

ProcessMutex::ProcessMutex() { pthread_mutex_init(&m_mutex, nullptr); }

ProcessMutex::~ProcessMutex() { pthread_mutex_destroy(&m_mutex); }

void ProcessMutex::Lock() { pthread_mutex_lock(&m_mutex); }

void ProcessMutex::Unlock() { pthread_mutex_unlock(&m_mutex); }

RecursiveProcessMutex::RecursiveProcessMutex() : m_owner()
{
    pthread_mutex_init(&m_guard, nullptr);
    pthread_cond_init(&m_released, nullptr);
}

RecursiveProcessMutex::~RecursiveProcessMutex()
{
    pthread_cond_destroy(&m_released);
    pthread_mutex_destroy(&m_guard);
}

// Called with m_guard held.
bool RecursiveProcessMutex::heldByCaller() const { return m_held && pthread_equal(m_owner, pthread_self()); }

void RecursiveProcessMutex::Lock()
{
    pthread_mutex_lock(&m_guard);
    if (heldByCaller()) {
        ++m_depth;
    } else {
        while (m_held)
            pthread_cond_wait(&m_released, &m_guard);
        m_owner = pthread_self();
        m_held = true;
        m_depth = 1;
    }
    pthread_mutex_unlock(&m_guard);
}

void RecursiveProcessMutex::Unlock()
{
    pthread_mutex_lock(&m_guard);
    if (heldByCaller() && --m_depth == 0) {
        m_held = false;
        pthread_cond_signal(&m_released);
    }
    pthread_mutex_unlock(&m_guard);
}

} // namespace Synchronization
} // namespace Common
