// Turning every unassigned drive of a controller into one array with one logical drive, and the
// automatic configuration that also fills the free space of the arrays already there.
#include <gtest/gtest.h>

#include "operations/createlogicaldrivecapability.h"
#include "schema/schemaarray.h"
#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
namespace Drive = Interface::StorageMod::PhysicalDrive;

Arguments level(const char* raid, bool spare = false)
{
    return {{Facts::ATTR_NAME_RAID, raid},
            {Config::ATTR_NAME_ASSIGN_SPARE,
             spare ? Config::ATTR_VALUE_ASSIGN_SPARE_TRUE : Config::ATTR_VALUE_ASSIGN_SPARE_FALSE}};
}

// After a rescan: every array is full, that is, has no room left for the smallest logical drive.
void expectEveryArrayFull(const Tree& tree)
{
    tree.rescan();
    for (const Core::DevicePtr& array : tree.arrays())
        EXPECT_LT(std::stoull(array->getValueFor(Interface::StorageMod::Array::ATTR_NAME_FREE_BLOCKS).c_str()),
                  Operations::minimumLogicalDriveBlocks(63))
            << array->toString();
}

TEST(ConfigureUnassigned, EveryUnassignedDriveGoesIntoOneArrayFilledByOneLogicalDrive)
{
    Tree tree(hardware(4));
    const Core::OperationReturn result =
        Tree::perform(tree.controller(), Config::OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE,
                      level(Facts::ATTR_VALUE_RAID_5));
    ASSERT_TRUE(result) << status(result);
    EXPECT_EQ(result.getValueFor(Facts::ATTR_NAME_DRIVE_NUMBER), "0");
    const LOGICAL_DRIVE_CONFIG stored = tree.stored(0);
    EXPECT_EQ(+stored.wAssignedDrives, 4);
    EXPECT_EQ(stored.pbBigDriveAssignmentMap[0], 0x0F);
    EXPECT_EQ(stored.pbBigSpareAssignmentMap[0], 0);
    EXPECT_EQ(+stored.wFaultTolerance, 3);
    EXPECT_EQ(+tree.stored(1).wAssignedDrives, 0);
    expectEveryArrayFull(tree);
    EXPECT_EQ(tree.arrays().size(), 1u);
    // Nothing is left for create-array or another automatic configuration.
    EXPECT_FALSE(tree.controller()->hasOperation(Config::OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE));
}

TEST(ConfigureUnassigned, AnAskedForSpareIsTheLargestDriveAndOnlyForAFaultTolerantLevel)
{
    const std::string profile = hardware(3) + "drive 1I:1:4 interface=sas size=600GB\n";
    Tree parity(profile);
    ASSERT_TRUE(Tree::perform(parity.controller(), Config::OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE,
                              level(Facts::ATTR_VALUE_RAID_5, true)));
    const LOGICAL_DRIVE_CONFIG stored = parity.stored(0);
    EXPECT_EQ(+stored.wAssignedDrives, 3);
    EXPECT_EQ(stored.pbBigDriveAssignmentMap[0], 0x07);
    EXPECT_EQ(stored.pbBigSpareAssignmentMap[0], 0x08);
    parity.rescan();
    EXPECT_EQ(parity.drives().back()->getValueFor(Drive::ATTR_NAME_DRIVE_TYPE), Drive::ATTR_VALUE_DRIVE_TYPE_SPARE);

    Tree striped(profile);
    ASSERT_TRUE(Tree::perform(striped.controller(), Config::OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE,
                              level(Facts::ATTR_VALUE_RAID_0, true)));
    EXPECT_EQ(striped.stored(0).pbBigDriveAssignmentMap[0], 0x0F);
    EXPECT_EQ(striped.stored(0).pbBigSpareAssignmentMap[0], 0);
}

TEST(ConfigureUnassigned, ALevelTheDataDrivesCannotMakeWritesNothing)
{
    struct Case {
        unsigned drives;
        Arguments arguments;
    };
    const Case cases[] = {{2, level(Facts::ATTR_VALUE_RAID_5)},
                          {3, level(Facts::ATTR_VALUE_RAID_5, true)}, // two data drives once the spare is out
                          {3, level(Facts::ATTR_VALUE_RAID_1)},
                          {2, level("ATTR_VALUE_RAID_7")}};
    for (const Case& c : cases) {
        Tree tree(hardware(c.drives));
        for (const char* operation : {Config::OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE,
                                      Config::OPERATION_WRITE_AUTO_CONFIGURE_STORAGE}) {
            const Core::OperationReturn result = Tree::perform(tree.controller(), operation, c.arguments);
            EXPECT_EQ(status(result), ATTR_VALUE_STATUS_ARGUMENT_INVALID) << operation << " " << c.drives;
            EXPECT_EQ(result.getValueFor(ATTR_NAME_ARGUMENT_NAME), Facts::ATTR_NAME_RAID);
        }
        EXPECT_TRUE(tree.arrays().empty());
        EXPECT_EQ(+tree.stored(0).wAssignedDrives, 0);
    }
}

TEST(ConfigureUnassigned, AnArrayWhoseLogicalDriveCouldNotBeWrittenIsTakenAwayAgain)
{
    Tree tree(hardware(2));
    tree.tool("check-condition-on slot1 0x51 1");
    EXPECT_FALSE(Tree::perform(tree.controller(), Config::OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE,
                               level(Facts::ATTR_VALUE_RAID_1)));
    EXPECT_TRUE(tree.arrays().empty());
    for (const Core::DevicePtr& drive : tree.drives())
        EXPECT_EQ(drive->getValueFor(Drive::ATTR_NAME_DRIVE_TYPE), Drive::ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);
}

TEST(AutoConfigure, FillsTheArraysWithRoomAfterConsumingTheUnassignedDrives)
{
    Tree tree(hardware(6) +
              "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n"
              "logicaldrive 1 drives=1I:1:3,1I:1:4 raid=1 size=1GB\n");
    const Core::OperationReturn result = Tree::perform(
        tree.controller(), Config::OPERATION_WRITE_AUTO_CONFIGURE_STORAGE, level(Facts::ATTR_VALUE_RAID_1));
    ASSERT_TRUE(result) << status(result);
    EXPECT_EQ(tree.stored(2).pbBigDriveAssignmentMap[0], 0x30); // the new array first
    EXPECT_EQ(tree.stored(3).pbBigDriveAssignmentMap[0], 0x03);
    EXPECT_EQ(tree.stored(4).pbBigDriveAssignmentMap[0], 0x0C);
    EXPECT_EQ(+tree.stored(5).wAssignedDrives, 0);
    expectEveryArrayFull(tree);
    EXPECT_EQ(tree.arrays().size(), 3u);
    EXPECT_EQ(tree.logicalDrives().size(), 5u);
}

TEST(AutoConfigure, AnArrayWithRoomThatCannotMakeTheLevelStopsItBeforeAnyWrite)
{
    Tree tree(hardware(5) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n");
    const Core::OperationReturn result = Tree::perform(
        tree.controller(), Config::OPERATION_WRITE_AUTO_CONFIGURE_STORAGE, level(Facts::ATTR_VALUE_RAID_5));
    EXPECT_EQ(status(result), ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    EXPECT_EQ(+tree.stored(1).wAssignedDrives, 0);
    tree.rescan();
    EXPECT_EQ(tree.arrays().size(), 1u);
}

} // namespace
