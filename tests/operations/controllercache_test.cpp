// The controller's cache on the simulated controllers: the array accelerator turned on and off
// per logical drive, only where there is a cache board, and the cache flushed and disabled.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "operations/writeflushdisablecache.h"
#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace Drive = Interface::StorageMod::LogicalDrive;
using Action = Core::DeviceOperation::EnAction;

const std::string kFourDrives = hardware(4) +
    "logicaldrive 0 drives=1I:1:1 raid=0 size=1GB\n"
    "logicaldrive 1 drives=1I:1:2 raid=0 size=1GB\n"
    "logicaldrive 2 drives=1I:1:3 raid=0 size=1GB\n"
    "logicaldrive 3 drives=1I:1:4 raid=0 size=1GB\n";

// Performs the operation with one (action, logical drive) argument per entry.
Core::OperationReturn manage(const Tree& tree, const std::vector<std::pair<Action, unsigned>>& drives)
{
    const Core::DevicePtr controller = tree.controller();
    const Core::DeviceOperationPtr op = controller->getOperation(Config::OPERATION_WRITE_MANAGE_ARRAY_ACCELERATOR);
    if (!op)
        return Core::OperationReturn(ATTR_VALUE_STATUS_NOT_SUPPORTED);
    for (const auto& [action, number] : drives)
        op->SetArgument({action, Core::Attribute(ATTR_NAME_UNIQUE_ID, tree.logicalDrive(number)->toString())});
    return controller->perform(op);
}

// The drives whose accelerator a new tree reads as enabled, as "0123" digits.
std::string enabledAsRead(const Tree& tree)
{
    const Tree other(Tree::SameControllers{}, tree);
    std::string enabled;
    for (const Core::DevicePtr& drive : other.logicalDrives())
        if (drive->getValueFor(Drive::ATTR_NAME_ARRAY_ACCELERATOR) == Drive::ATTR_VALUE_ARRAY_ACCELERATOR_ENABLED)
            enabled += drive->getValueFor(Drive::ATTR_NAME_DRIVE_NUMBER).c_str();
    return enabled;
}

TEST(ControllerCache, AcceleratorSetMakesExactlyTheNamedDrivesEnabledAddAndRemoveChangeOne)
{
    Tree tree(kFourDrives);
    ASSERT_TRUE(manage(tree, {{Core::DeviceOperation::ACTION_SET, 0}, {Core::DeviceOperation::ACTION_SET, 2}}));
    EXPECT_EQ(enabledAsRead(tree), "02");
    ASSERT_TRUE(manage(tree, {{Core::DeviceOperation::ACTION_ADD, 1}}));
    EXPECT_EQ(enabledAsRead(tree), "012");
    ASSERT_TRUE(manage(tree, {{Core::DeviceOperation::ACTION_REMOVE, 0}}));
    EXPECT_EQ(enabledAsRead(tree), "12");
    ASSERT_TRUE(manage(tree, {{Core::DeviceOperation::ACTION_MODIFY, 3}}));
    EXPECT_EQ(enabledAsRead(tree), "3");
    ASSERT_TRUE(manage(tree, {{Core::DeviceOperation::ACTION_REMOVE, 3}}));
    EXPECT_EQ(enabledAsRead(tree), "");
    const CACHE_CONFIG_STATUS none = sensed<SenseControllerCacheConfigStatusTrait>(tree.controller());
    EXPECT_EQ(none.bDisableFlag, 1);
}

TEST(ControllerCache, AcceleratorForADriveOfAnotherControllerIsRefusedWithNothingWritten)
{
    Tree tree(kFourDrives);
    const Core::DevicePtr controller = tree.controller();
    const Core::DeviceOperationPtr op = controller->getOperation(Config::OPERATION_WRITE_MANAGE_ARRAY_ACCELERATOR);
    ASSERT_TRUE(op);
    op->SetArgument({Core::DeviceOperation::ACTION_SET, Core::Attribute(ATTR_NAME_UNIQUE_ID, "no such drive")});
    RequestLog log;
    const Core::OperationReturn result = controller->perform(op);
    EXPECT_EQ(result.getValueFor(ATTR_NAME_STATUS), ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    EXPECT_EQ(log.count("C0"), 0u);
}

TEST(ControllerCache, AcceleratorIsOfferedOnlyWithACacheBoard)
{
    const Tree tree("controller slot1 model=VARNEL_V24 slot=1 pcibus=6 cache=0\n"
                    "drive 1I:1:1 interface=sas size=300GB\n");
    const Core::DevicePtr controller = tree.controller();
    EXPECT_FALSE(controller->hasOperation(Config::OPERATION_WRITE_MANAGE_ARRAY_ACCELERATOR));
    const Core::AttributeSourcePtr why =
        controller->getUnavailableOperationReason(Config::OPERATION_WRITE_MANAGE_ARRAY_ACCELERATOR);
    ASSERT_TRUE(why);
    EXPECT_EQ(why->getValueFor(ATTR_NAME_UNAVAILABLE_REASON), ATTR_VALUE_UNAVAILABLE_REASON_CACHE_BOARD_NOT_PRESENT);
}

TEST(ControllerCache, FlushDisableNeedsItsFlagAndLeavesTheCacheOffWhenAsked)
{
    namespace Facts = Interface::StorageMod::ArrayController;
    Tree tree(kFourDrives);
    const Core::DeviceOperationPtr flush(new Operations::WriteFlushDisableCache());
    EXPECT_EQ(tree.controller()->perform(flush).getValueFor(ATTR_NAME_STATUS), ATTR_VALUE_STATUS_ARGUMENT_MISSING);
    flush->SetArgument({Core::DeviceOperation::ACTION_SET,
                        Core::Attribute(Config::ATTR_NAME_CACHE_FLAG, Config::ATTR_VALUE_CACHE_FLAG_FLUSH)});
    ASSERT_TRUE(tree.controller()->perform(flush));
    EXPECT_EQ(Tree(Tree::SameControllers{}, tree).controller()->getValueFor(Facts::ATTR_NAME_CACHE_STATUS),
              Facts::ATTR_VALUE_CACHE_STATUS_OK);
    flush->SetArgument({Core::DeviceOperation::ACTION_SET,
                        Core::Attribute(Config::ATTR_NAME_CACHE_FLAG, Config::ATTR_VALUE_CACHE_FLAG_DISABLE)});
    ASSERT_TRUE(tree.controller()->perform(flush));
    EXPECT_EQ(Tree(Tree::SameControllers{}, tree).controller()->getValueFor(Facts::ATTR_NAME_CACHE_STATUS),
              Facts::ATTR_VALUE_CACHE_STATUS_TEMPORARILY_DISABLED);
}

} // namespace
