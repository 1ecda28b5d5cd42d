#include "common/synchronizationmutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "common/synchronizationthread.h"

using namespace Common::Synchronization;

namespace {

class Body : public Threadable {
public:
    explicit Body(std::function<void()> work) : m_work(std::move(work)) {}
    void operator()() override { m_work(); }

private:
    std::function<void()> m_work;
};

// Long enough for a waiting thread to have run had it not been blocked.
constexpr unsigned long SETTLE_MS = 50;

class RecursiveMutexTest : public ::testing::Test {
protected:
    // Starts a thread that runs `before` and then takes the lock.
    void StartContender(std::function<void()> before = [] {})
    {
        m_body = std::make_unique<Body>([this, before] {
            before();
            ScopedMutexLock hold(m_mutex);
            m_acquired = true;
        });
        m_thread = std::make_unique<Thread>(*m_body);
    }

    RecursiveProcessMutex m_mutex;
    std::atomic<bool> m_acquired{false};
    std::unique_ptr<Body> m_body;
    std::unique_ptr<Thread> m_thread;
};

} // namespace

TEST_F(RecursiveMutexTest, OtherThreadsWaitUntilEveryLockIsUndone)
{
    m_mutex.Lock();
    m_mutex.Lock();
    m_mutex.Lock();
    StartContender();
    m_mutex.Unlock();
    m_mutex.Unlock();
    Sleep(SETTLE_MS);
    EXPECT_FALSE(m_acquired);
    m_mutex.Unlock();
    m_thread->Join();
    EXPECT_TRUE(m_acquired);
}

TEST_F(RecursiveMutexTest, UnlockByAnotherThreadLeavesTheHoldIntact)
{
    m_mutex.Lock();
    StartContender([this] { m_mutex.Unlock(); });
    Sleep(SETTLE_MS);
    EXPECT_FALSE(m_acquired);
    m_mutex.Unlock();
    m_thread->Join();
    EXPECT_TRUE(m_acquired);
}

TEST(ProcessMutex, SerialisesThreads)
{
    ProcessMutex mutex;
    long counter = 0;
    Body adder([&] {
        for (int i = 0; i < 10000; ++i) {
            ScopedMutexLock hold(mutex);
            ++counter;
        }
    });
    Thread first(adder);
    Thread second(adder);
    first.Join();
    second.Join();
    EXPECT_EQ(20000, counter);
}
