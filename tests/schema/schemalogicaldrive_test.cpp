#include "schema/schemalogicaldrive.h"

#include <gtest/gtest.h>

namespace {

using Schema::LogicalDrive;
namespace Facts = Interface::StorageMod::LogicalDrive;

struct DriveCountCase {
    const char* level;
    unsigned drives;
    bool valid;
    unsigned dataDrives;
};

TEST(LogicalDriveLevels, DriveCountsAndDataDrivesPerLevel)
{
    const DriveCountCase cases[] = {
        {Facts::ATTR_VALUE_RAID_0, 1, true, 1},   {Facts::ATTR_VALUE_RAID_0, 0, false, 0},
        {Facts::ATTR_VALUE_RAID_1, 2, true, 1},   {Facts::ATTR_VALUE_RAID_1, 6, true, 3},
        {Facts::ATTR_VALUE_RAID_1, 3, false, 0},  {Facts::ATTR_VALUE_RAID_1, 0, false, 0},
        {Facts::ATTR_VALUE_RAID_4, 3, true, 2},   {Facts::ATTR_VALUE_RAID_5, 2, false, 0},
        {Facts::ATTR_VALUE_RAID_5, 5, true, 4},   {Facts::ATTR_VALUE_RAID_6, 3, false, 0},
        {Facts::ATTR_VALUE_RAID_6, 4, true, 2},   {Facts::ATTR_VALUE_RAID_51, 6, true, 2},
        {Facts::ATTR_VALUE_RAID_51, 7, false, 0}, {Facts::ATTR_VALUE_RAID_51, 4, false, 0},
    };
    for (const DriveCountCase& c : cases) {
        unsigned dataDrives = 0;
        EXPECT_EQ(LogicalDrive::isDriveCountValidFor(c.level, c.drives, dataDrives), c.valid)
            << c.level << " x" << c.drives;
        EXPECT_EQ(dataDrives, c.dataDrives) << c.level << " x" << c.drives;
    }
    unsigned untouched = 42;
    EXPECT_FALSE(LogicalDrive::isDriveCountValidFor("ATTR_VALUE_RAID_7", 8, untouched));
    EXPECT_EQ(untouched, 42u);
}

TEST(LogicalDriveLevels, FaultToleranceCodesMapBothWays)
{
    const char* const byCode[] = {Facts::ATTR_VALUE_RAID_0, Facts::ATTR_VALUE_RAID_4,  Facts::ATTR_VALUE_RAID_1,
                                  Facts::ATTR_VALUE_RAID_5, Facts::ATTR_VALUE_RAID_51, Facts::ATTR_VALUE_RAID_6};
    for (unsigned code = 0; code < 6; ++code) {
        EXPECT_EQ(LogicalDrive::faultTolerance(code), byCode[code]);
        unsigned back = 99;
        EXPECT_TRUE(LogicalDrive::faultToleranceCode(byCode[code], back));
        EXPECT_EQ(back, code);
    }
    EXPECT_TRUE(LogicalDrive::faultTolerance(6).empty());
    unsigned back = 99;
    EXPECT_FALSE(LogicalDrive::faultToleranceCode("RAID 5", back));
    EXPECT_EQ(back, 99u);
}

TEST(LogicalDriveLevels, StatusCodesBeyondTheKnownOnesMeanNothing)
{
    EXPECT_EQ(LogicalDrive::volumeStatus(0), Facts::ATTR_VALUE_STATUS_OK);
    EXPECT_EQ(LogicalDrive::volumeStatus(7), Facts::ATTR_VALUE_STATUS_DRIVE_IMPROPERLY_CONNECTED);
    EXPECT_EQ(LogicalDrive::volumeStatus(12), Facts::ATTR_VALUE_STATUS_QUEUED_FOR_EXPANSION);
    EXPECT_TRUE(LogicalDrive::volumeStatus(13).empty());
    EXPECT_TRUE(LogicalDrive::volumeStatus(0xFFFFFFFFu).empty());
}

} // namespace
