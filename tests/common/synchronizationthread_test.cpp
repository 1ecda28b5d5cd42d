#include "common/synchronizationthread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

using namespace Common::Synchronization;

namespace {

class Counter : public Threadable {
public:
    void operator()() override { ++runs; }
    std::atomic<int> runs{0};
};

class Thrower : public Threadable {
public:
    void operator()() override { throw std::runtime_error("controller vanished"); }
};

} // namespace

TEST(ThreadGroup, KeepsOneEntryPerThreadAndJoinsThemAll)
{
    Counter body;
    Thread first(body);
    Thread second(body);
    EXPECT_FALSE(first == second);
    ThreadGroup group;
    group.Add(&first);
    group.Add(&second);
    group.Add(&first);
    EXPECT_EQ(2u, group.size());
    group.JoinAll();
    first.Join();
    EXPECT_EQ(2, body.runs);
}

TEST(Thread, AThrowingBodyEndsOnlyItsThread)
{
    Thrower body;
    Thread thread(body);
    thread.Join();
    EXPECT_FALSE(thread.started());
}
