// Reading a logical drive: status codes and progress, level, boot support, names and unique
// identifiers; and a refresh that sees what the simulated controller changed.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "operations/readlogicaldriveinfo.h"
#include "schema/storagemod.h"
#include "tests/operations/simtree.h"

namespace {

using Operations::ReadLogicalDriveInfo;
using namespace Interface::StorageMod::LogicalDrive;

std::string value(const Core::Device& device, const char* name) { return device.getValueFor(name).c_str(); }

class LogicalDriveReading : public testing::Test {
protected:
    void SetUp() override { drive.Receive(Core::Attribute(ATTR_NAME_USEABLE_BLOCKS, "1000")); }

    void readStatus(unsigned code, unsigned blocksLeft)
    {
        LOGICAL_DRIVE_STATUS status{};
        status.bUnitStatus = static_cast<std::uint8_t>(code);
        status.dwBlocksLeftToRecover = blocksLeft;
        ReadLogicalDriveInfo::publishStatusInfo(drive, status);
    }

    Schema::LogicalDrive drive{3, 0};
};

TEST_F(LogicalDriveReading, ExpansionProgressIsTakenAgainstTheUseableSize)
{
    readStatus(10, 250);
    EXPECT_EQ(value(drive, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_EXPANDING);
    EXPECT_EQ(value(drive, ATTR_NAME_EXPAND_PERCENT_COMPLETE), "75");
    EXPECT_EQ(value(drive, ATTR_NAME_BLOCKS_LEFT_TO_EXPAND), "250");
    EXPECT_FALSE(drive.hasAttribute(ATTR_NAME_REBUILD_PERCENT_COMPLETE));

    readStatus(12, 1000);
    EXPECT_EQ(value(drive, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_QUEUED_FOR_EXPANSION);
    EXPECT_EQ(value(drive, ATTR_NAME_EXPAND_PERCENT_COMPLETE), "0");
    EXPECT_FALSE(drive.hasAttribute(ATTR_NAME_BLOCKS_LEFT_TO_REBUILD));
}

TEST_F(LogicalDriveReading, FinishedWorkLeavesNoProgressAndUnknownCodesNoStatus)
{
    readStatus(5, 100);
    EXPECT_EQ(value(drive, ATTR_NAME_REBUILD_PERCENT_COMPLETE), "90");
    EXPECT_EQ(value(drive, ATTR_NAME_BLOCKS_LEFT_TO_REBUILD), "100");
    readStatus(0, 0);
    EXPECT_EQ(value(drive, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_OK);
    for (const char* name : {ATTR_NAME_BLOCKS_LEFT_TO_REBUILD, ATTR_NAME_REBUILD_PERCENT_COMPLETE,
                             ATTR_NAME_BLOCKS_LEFT_TO_EXPAND, ATTR_NAME_EXPAND_PERCENT_COMPLETE})
        EXPECT_FALSE(drive.hasAttribute(name)) << name;
    readStatus(13, 0);
    EXPECT_FALSE(drive.hasAttribute(ATTR_NAME_STATUS)) << "a code without a status drops the old one";
}

TEST_F(LogicalDriveReading, APercentageNeverUnderflowsOrDividesByZero)
{
    EXPECT_EQ(ReadLogicalDriveInfo::percentComplete(0, 0), "0");
    EXPECT_EQ(ReadLogicalDriveInfo::percentComplete(1000, 4000), "0");
    EXPECT_EQ(ReadLogicalDriveInfo::percentComplete(3, 2), "33.3333");
}

// The code table itself is the schema's; the reader takes its level from it.
TEST_F(LogicalDriveReading, GeneralInfoGivesLevelBootSupportAndState)
{
    LOGICAL_DRIVE_CONFIG config{};
    config.wFaultTolerance = 1;
    ReadLogicalDriveInfo::publishGeneralInfo(drive, config);
    EXPECT_EQ(value(drive, ATTR_NAME_RAID), ATTR_VALUE_RAID_4);
    config.bBIOSDisableFlag = 1;
    config.bConfigurationFlags = 1;
    ReadLogicalDriveInfo::publishGeneralInfo(drive, config);
    EXPECT_EQ(value(drive, ATTR_NAME_BOOT_SUPPORT), ATTR_VALUE_BOOT_SUPPORT_DISABLED);
    EXPECT_EQ(value(drive, ATTR_NAME_STATE), ATTR_VALUE_STATE_POTENTIAL_STRIPE_SIZE_LOCK_UP);
}

TEST_F(LogicalDriveReading, NameEndsAtTheFirstNulAndAZeroIdentifierIsAbsent)
{
    IDENTIFY_LOGICAL_DRIVE identify{};
    std::memcpy(identify.sVolumeLabel, "mail\0old", 8);
    ReadLogicalDriveInfo::publishIdentifyInfo(drive, identify);
    EXPECT_EQ(value(drive, ATTR_NAME_LOGICAL_DRIVE_NAME), "mail");
    EXPECT_FALSE(drive.hasAttribute(ATTR_NAME_VOLUME_UNIQUE_IDENTIFIER));

    std::memset(identify.sVolumeLabel, 'x', sizeof identify.sVolumeLabel);
    identify.bPage83Identifier[0] = 0x6f;
    identify.bPage83Identifier[15] = 0x0a;
    ReadLogicalDriveInfo::publishIdentifyInfo(drive, identify);
    EXPECT_EQ(value(drive, ATTR_NAME_LOGICAL_DRIVE_NAME), std::string(64, 'x')) << "an unterminated name stops at 64";
    EXPECT_EQ(value(drive, ATTR_NAME_VOLUME_UNIQUE_IDENTIFIER), "6F00000000000000000000000000000A");
}

// The reply cache keeps answers for one rescan only: a drive refreshed after the controller
// changed reads the change.
TEST(LogicalDriveRefresh, ARefreshAfterTheRescanSeesWhatChanged)
{
    const std::string state = SimTree::makeState("server");
    const Core::DevicePtr root = SimTree::build(state);
    Core::DevicePtr logical;
    for (const Core::DevicePtr& device : SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_LOGICAL_DRIVE))
        if (device->toString() == "AC:slot_3,LD:2")
            logical = device;
    ASSERT_TRUE(logical);
    EXPECT_EQ(value(*logical, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_OK);

    // The simulated clock stands still, so that the expansion is at 40% when the drive is read.
    setenv("VNLSIM_CLOCK", "1000", 1);
    const std::string expand = "VNLSIM_STATE=" + state + " " + VNLSIM_TOOL + " expand-ld slot3 2 40";
    const int expanded = std::system(expand.c_str());
    logical->Refresh();
    unsetenv("VNLSIM_CLOCK");
    ASSERT_EQ(expanded, 0);
    EXPECT_EQ(value(*logical, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_EXPANDING);
    EXPECT_EQ(value(*logical, ATTR_NAME_EXPAND_PERCENT_COMPLETE), "40");
}

} // namespace
