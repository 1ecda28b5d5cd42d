// Threads over POSIX threads, a millisecond sleep and a processor-time timer.
//
// A Thread starts running its Threadable at construction; Join waits for it,
// and a Thread destroyed without Join detaches it (the Threadable must then
// outlive the run). The Threadable is not owned. A thread body that throws
// ends its thread, not the process; the fault is logged. A Thread whose
// creation failed is not joinable, Join does nothing, and started() says so.
// Two Threads are equal when they refer to the same POSIX thread.
// ThreadGroup keeps, without owning them, Threads to be joined together in
// the order they were added.
#ifndef COMMON_SYNCHRONIZATIONTHREAD_H
#define COMMON_SYNCHRONIZATIONTHREAD_H

#include <pthread.h>

#include <ctime>
#include <memory>

#include "common/containers.h"
#include "common/noncopyable.h"

namespace Common {
namespace Synchronization {

class Threadable {
public:
    virtual ~Threadable() = default;
    virtual void operator()() = 0; // the thread body
};

class Thread : public NonCopyable {
public:
    explicit Thread(Threadable& body);
    ~Thread();

    bool started() const { return m_pThread != nullptr; }
    void Join();
    bool operator==(const Thread& other) const;

private:
    std::unique_ptr<pthread_t> m_pThread; // none after Join, or when creation failed
};

class ThreadGroup {
public:
    void Add(Thread* thread); // an equal entry is removed first, then this one appended
    void Remove(Thread* thread); // every equal entry
    void JoinAll();
    std::size_t size() const { return m_threads.size(); }

private:
    list<Thread*> m_threads;
};

// Suspends the calling thread for at least `milliseconds`, resuming after signals.
void Sleep(unsigned long milliseconds);

// Processor time of the process since the last Reset (or construction).
class Timer {
public:
    Timer() { Reset(); }
    void Reset() { m_start = std::clock(); }
    double elapsedSeconds() const { return static_cast<double>(std::clock() - m_start) / CLOCKS_PER_SEC; }

private:
    std::clock_t m_start;
};

} // namespace Synchronization
} // namespace Common

#endif
