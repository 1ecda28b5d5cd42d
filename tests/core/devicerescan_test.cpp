#include <gtest/gtest.h>

#include "core/deviceoperation.h"
#include "core/modelswitches.h"
#include "tests/core/testtree.h"

namespace CoreTest {
namespace {

class RescanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerTestOperations();
        hardware() = Hardware();
        hardware().controllers["1"] = {4, 2};
        hardware().controllers["2"] = {3, 1};
        root = Root::make();
        root->Reenumerate(Device::ReenumeratePredicate());
    }

    DevicePtr controller(const char* slot) { return childWithKey(root, slot); }

    DevicePtr root;
};

TEST_F(RescanTest, DiscoversTheWholeTreeAndNamesEveryDevice)
{
    ASSERT_TRUE(controller("1"));
    EXPECT_EQ(childrenOfType(controller("1"), ATTR_VALUE_TYPE_PHYSICAL_DRIVE).size(), 4u);
    EXPECT_EQ(childrenOfType(controller("2"), ATTR_VALUE_TYPE_LOGICAL_DRIVE).size(), 1u);
    DevicePtr drive = childWithKey(controller("1"), "3");
    EXPECT_EQ(drive->getValueFor(ATTR_NAME_UNIQUE_ID), drive->toString());
    EXPECT_EQ(drive->getValueFor(READS), "1");
    EXPECT_EQ(drive->pParent(), controller("1"));
    EXPECT_EQ(drive->mutexPtr(), root->mutexPtr());
}

TEST_F(RescanTest, AnEqualDeviceFoundAgainKeepsItsObjectChildrenAndOldAttributes)
{
    DevicePtr before = controller("1");
    DevicePtr drive = childWithKey(before, "0");
    before->PublishAttribute(*before, Attribute("ATTR_NAME_TEST_OLD", "kept"));
    root->Reenumerate(Device::ReenumeratePredicate());
    EXPECT_EQ(controller("1"), before);
    EXPECT_EQ(childWithKey(before, "0"), drive);
    EXPECT_EQ(before->getValueFor("ATTR_NAME_TEST_OLD"), "kept");
    EXPECT_EQ(drive->getValueFor(READS), "2");
    EXPECT_EQ(static_cast<Controller&>(*before).updates, 1);
}

TEST_F(RescanTest, AVanishedControllerLeavesWithItsSubtreeAndItsHeldOperationAnswersDeleted)
{
    DevicePtr gone = controller("2");
    DevicePtr goneDrive = childWithKey(gone, "0");
    DeviceOperationPtr held = goneDrive->getOperation(READ_DRIVE);
    ASSERT_TRUE(held);
    hardware().controllers.erase("2");
    root->Reenumerate(Device::ReenumeratePredicate());
    EXPECT_FALSE(controller("2"));
    EXPECT_FALSE(gone->isValid());
    EXPECT_FALSE(gone->hasParent());
    EXPECT_FALSE(gone->getDevicePtr());
    EXPECT_TRUE(goneDrive->hasParent());
    DeviceOperationPtr goneOp = gone->getOperation(DISCOVER_DRIVES);
    EXPECT_EQ(gone->perform(goneOp).status(), ATTR_VALUE_STATUS_DEVICE_DELETED);
    DeviceList drives;
    DeviceFinder finder(root);
    finder.Add(Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    finder.find(drives, DeviceFinder::DIRECTION_DOWN);
    EXPECT_EQ(drives.size(), 4u);
}

TEST_F(RescanTest, AssociationsBuiltTwiceAreNotDuplicated)
{
    DevicePtr logical = childWithKey(controller("1"), "1", ATTR_VALUE_TYPE_LOGICAL_DRIVE);
    root->Reenumerate(Device::ReenumeratePredicate());
    ASSERT_TRUE(logical->hasAssociation(DATA_DRIVE));
    EXPECT_EQ(std::distance(logical->beginAssociation(), logical->endAssociation()), 1);
    DeviceAssociationPtr association = logical->getAssociation(DATA_DRIVE);
    ASSERT_EQ(association->size(), 2u);
    EXPECT_EQ(*association->beginDevice(), childWithKey(controller("1"), "1"));
    EXPECT_EQ(*std::next(association->beginDevice()), childWithKey(controller("1"), "2"));
}

TEST_F(RescanTest, ARefusedWriteOperationLeavesItsReasonAndReturnsWhenAccepted)
{
    DevicePtr drive = childWithKey(controller("1"), "2");
    EXPECT_TRUE(drive->hasOperation(WRITE_BLINK));
    hardware().blockedDrives.insert(2);
    root->Reenumerate(Device::ReenumeratePredicate());
    EXPECT_FALSE(drive->hasOperation(WRITE_BLINK));
    ASSERT_TRUE(drive->hasUnavailableOperationReason(WRITE_BLINK));
    AttributeSourcePtr reason = drive->getUnavailableOperationReason(WRITE_BLINK);
    EXPECT_EQ(reason->getValueFor(ATTR_NAME_UNAVAILABLE_REASON), ATTR_VALUE_UNAVAILABLE_REASON_NOT_APPLICABLE);
    drive->Refresh();
    EXPECT_EQ(std::distance(drive->beginUnavailableOperationReason(), drive->endUnavailableOperationReason()), 1);
    hardware().blockedDrives.clear();
    drive->Clear(BLOCKED);
    root->Reenumerate(Device::ReenumeratePredicate());
    EXPECT_TRUE(drive->hasOperation(WRITE_BLINK));
    EXPECT_FALSE(drive->hasUnavailableOperationReason(WRITE_BLINK));
}

TEST_F(RescanTest, RefreshRereadsOneDeviceAndRediscoversNothing)
{
    hardware().controllers["3"] = {1, 0};
    hardware().controllers["1"].physicalDrives = 0;
    const unsigned runs = hardware().discoverRuns;
    DevicePtr drive = childWithKey(controller("1"), "0");
    DevicePtr first = controller("1");
    first->Refresh();
    root->Refresh();
    EXPECT_EQ(hardware().discoverRuns, runs);
    EXPECT_FALSE(controller("3"));
    EXPECT_EQ(childWithKey(first, "0"), drive);
    EXPECT_EQ(drive->getValueFor(READS), "1");
    drive->Refresh();
    EXPECT_EQ(drive->getValueFor(READS), "2");
}

TEST_F(RescanTest, ADeviceWhoseDiscoveryIsSkippedKeepsItsChildren)
{
    class NoRootDiscovery : public Device::ReenumeratePredicate {
    public:
        bool canPerformDiscoverFor(const DevicePtr& device, const Common::string&) const override
        {
            return device->getValueFor(ATTR_NAME_TYPE) != ATTR_VALUE_TYPE_MOD_ROOT;
        }
    };
    hardware().controllers["1"].physicalDrives = 1;
    root->Reenumerate(NoRootDiscovery());
    EXPECT_TRUE(controller("1"));
    EXPECT_TRUE(controller("2"));
    EXPECT_EQ(childrenOfType(controller("1"), ATTR_VALUE_TYPE_PHYSICAL_DRIVE).size(), 1u);
}

TEST_F(RescanTest, ReturnsEveryOperationResultAndASummary)
{
    OperationReturnList returns = root->Reenumerate(Device::ReenumeratePredicate());
    ASSERT_FALSE(returns.empty());
    EXPECT_EQ(returns.back().getValueFor(ATTR_NAME_UNIQUE_ID), root->toString());
    // root discover, 2 controller discovers, 7 drive reads, 3 associations, summary
    EXPECT_EQ(returns.size(), 14u);
    EXPECT_EQ(returns.front().getValueFor(ATTR_NAME_OPERATION_NAME), DISCOVER_CONTROLLERS);
}

TEST_F(RescanTest, TheSwitchesAddTimingsAndWriteTheTreeFromTheRoot)
{
    static Device* written = nullptr;
    ModelSwitches::setTreeWriter([](Device& top) { written = &top; });
    ModelSwitches::setProfilingEnabled(true);
    OperationReturnList returns = childWithKey(controller("1"), "0")->Refresh();
    OperationReturn read = childWithKey(controller("1"), "0")->perform(createOperation(READ_DRIVE));
    ModelSwitches::setTreeWriter(nullptr);
    ModelSwitches::setProfilingEnabled(false);
    EXPECT_EQ(written, root.get());
    EXPECT_TRUE(returns.back().hasAttribute(ATTR_NAME_PERFORM_TIME));
    EXPECT_TRUE(read.hasAttribute(ATTR_NAME_PERFORM_TIME));
}

} // namespace
} // namespace CoreTest
