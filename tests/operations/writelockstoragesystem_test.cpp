// Taking and giving back the configuration lock of a storage system (the external preset).
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "schema/configmod.h"
#include "tests/operations/simtree.h"

namespace {

namespace Config = Interface::ConfigMod;

class StorageSystemLock : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Core::DeviceList systems = SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_STORAGE_SYSTEM);
        ASSERT_EQ(systems.size(), 1u);
        system = systems.front();
    }

    bool perform(const char* operation)
    {
        const Core::DeviceOperationPtr op = system->getOperation(operation);
        return op && static_cast<bool>(system->perform(op));
    }
    std::string lockState() const { return system->getValueFor(Config::ATTR_NAME_LOCK_STATE).c_str(); }
    void fault(const std::string& what)
    {
        const std::string command = "VNLSIM_STATE=" + state + " " + VNLSIM_TOOL + " " + what + " >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    std::string state = SimTree::makeState("external");
    Core::DevicePtr root = SimTree::build(state);
    Core::DevicePtr system;
};

} // namespace

TEST_F(StorageSystemLock, TakesTheLockAndGivesItBack)
{
    ASSERT_TRUE(perform(Config::OPERATION_WRITE_LOCK_STORAGE_SYSTEM));
    EXPECT_EQ(lockState(), Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_THIS);
    ASSERT_TRUE(perform(Config::OPERATION_WRITE_UNLOCK_STORAGE_SYSTEM));
    EXPECT_EQ(lockState(), Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_NONE);
}

// The request itself succeeds; only the state tells that another host holds the lock.
TEST_F(StorageSystemLock, ALockHeldElsewhereShowsInTheState)
{
    fault("lock-other storage1 on");
    EXPECT_TRUE(perform(Config::OPERATION_WRITE_LOCK_STORAGE_SYSTEM));
    EXPECT_EQ(lockState(), Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_OTHER);
    EXPECT_TRUE(perform(Config::OPERATION_WRITE_UNLOCK_STORAGE_SYSTEM));
    EXPECT_EQ(lockState(), Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_OTHER);
}

TEST_F(StorageSystemLock, ASystemThatDoesNotAnswerFailsAndKeepsTheLastState)
{
    ASSERT_TRUE(perform(Config::OPERATION_WRITE_LOCK_STORAGE_SYSTEM));
    fault("comm-error storage1 on");
    EXPECT_FALSE(perform(Config::OPERATION_WRITE_UNLOCK_STORAGE_SYSTEM));
    EXPECT_EQ(lockState(), Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_THIS);
}
