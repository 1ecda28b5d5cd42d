#include "common/synchronizationthread.h"

#include <cerrno>
#include <ctime>

#include "common/clog.h"

namespace Common {
namespace Synchronization {

namespace {

void* RunThreadable(void* argument)
{
    try {
        (*static_cast<Threadable*>(argument))();
    } catch (...) {
        Logger::LogMessage("A thread ended on an unhandled exception");
    }
    return nullptr;
}

bool SameThread(const Thread* a, const Thread* b) { return a == b || *a == *b; }

} // namespace

Thread::Thread(Threadable& body) : m_pThread(std::make_unique<pthread_t>())
{
    if (pthread_create(m_pThread.get(), nullptr, RunThreadable, &body) != 0)
        m_pThread.reset();
}

Thread::~Thread()
{
    if (m_pThread)
        pthread_detach(*m_pThread);
}

void Thread::Join()
{
    if (!m_pThread)
        return;
    pthread_join(*m_pThread, nullptr);
    m_pThread.reset();
}

bool Thread::operator==(const Thread& other) const
{
    if (!m_pThread || !other.m_pThread)
        return false;
    return pthread_equal(*m_pThread, *other.m_pThread) != 0;
}

void ThreadGroup::Add(Thread* thread)
{
    Remove(thread);
    m_threads.push_back(thread);
}

void ThreadGroup::Remove(Thread* thread)
{
    m_threads.remove_if([thread](const Thread* entry) { return SameThread(entry, thread); });
}

void ThreadGroup::JoinAll()
{
    for (Thread* thread : m_threads)
        thread->Join();
}

void Sleep(unsigned long milliseconds)
{
    timespec remaining{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {}
}

} // namespace Synchronization
} // namespace Common
