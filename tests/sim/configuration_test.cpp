// Logical drives written with configuration records: reflected in identify
// data, status and drive maps, and checked before they are accepted.
#include "controller/bmiclayouts.h"
#include "controller/driveparametertable.h"
#include "sim/profile.h"
#include "tests/sim/simlibrary.h"

namespace {

constexpr std::uint32_t kSenseDir = IMGR_BMIC_DIRECTION_FROM_CONTROLLER;

// A record as the configuration tool writes it for a new logical drive.
LOGICAL_DRIVE_CONFIG record(std::initializer_list<unsigned> drives, unsigned raid, unsigned cylinders,
                            std::uint32_t offset = 0, std::initializer_list<unsigned> spares = {})
{
    LOGICAL_DRIVE_CONFIG c{};
    c.wCPCPort = 2;
    c.bDataDistributionMode = 2;
    c.wBlockSize = 512;
    c.wDistribution = 128;
    c.wFaultTolerance = static_cast<std::uint16_t>(raid);
    c.wAssignedDrives = static_cast<std::uint16_t>(drives.size());
    for (unsigned d : drives)
        c.pbBigDriveAssignmentMap[d / 8] |= static_cast<std::uint8_t>(1u << (d % 8));
    for (unsigned d : spares)
        c.pbBigSpareAssignmentMap[d / 8] |= static_cast<std::uint8_t>(1u << (d % 8));
    c.dwDataOffset = offset;
    setDriveParameterTable(c, 255, 63, cylinders);
    return c;
}

struct SmallController {
    TempState state{"small"};
    SimLibrary lib;
    ImgrHandle controller = lib.localControllers().at(0);

    BmicResult write(std::uint16_t number, LOGICAL_DRIVE_CONFIG config)
    {
        return lib.set(controller, 0x51, config, 0, number);
    }
    std::uint8_t configuredCount()
    {
        IDENTIFY_CONTROLLER id;
        EXPECT_TRUE(lib.sense(controller, 0x11, id).ok());
        return id.bConfiguredLogicalDrives;
    }
};

TEST(Configuration, IdentifyStatusAndMapsAgreeWithTheStoredRecord)
{
    SmallController s;
    ASSERT_TRUE(s.write(0, record({4, 5, 6}, 3, 2000, 0, {7})).ok());
    EXPECT_EQ(s.configuredCount(), 1);
    LOGICAL_DRIVE_CONFIG stored;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, stored, 0, 0).ok());
    EXPECT_EQ(stored.pbBigDriveAssignmentMap[0], 0x70);
    EXPECT_EQ(stored.pbBigSpareAssignmentMap[0], 0x80);
    std::uint64_t size = 2000ull * 255 * 63;
    EXPECT_EQ(+stored.dwBlocksPerDrive, (size / 256 + 1) * 128); // two data drives, stripe 128
    LOGICAL_DRIVE_STATUS status;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x12, status, 0, 0).ok());
    EXPECT_EQ(status.bUnitStatus, 0);
    EXPECT_EQ(+status.dwDriveFailureBitmap, 0u);
    IDENTIFY_LOGICAL_DRIVE id;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x10, id, 0, 0).ok());
    EXPECT_EQ(+id.qwBigBlocksInLogicalDrive, size);
    EXPECT_EQ(id.bFaultToleranceMode, 3);
    EXPECT_NE(id.bPage83Identifier[0], 0);
    PHYSICAL_DRIVE_STATUS member, unused;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x15, member, driveDetail(4), driveUnit(4)).ok());
    ASSERT_TRUE(s.lib.sense(s.controller, 0x15, unused, driveDetail(0), driveUnit(0)).ok());
    EXPECT_EQ(member.bTalvaneDriveStamped, 1);
    EXPECT_EQ(unused.bTalvaneDriveStamped, 0);
}

TEST(Configuration, UnconfiguredNumbersSenseAsEmptyAndNumbersPast31Fail)
{
    SmallController s;
    LOGICAL_DRIVE_CONFIG config;
    EXPECT_TRUE(s.lib.sense(s.controller, 0x50, config, 0, 7).ok());
    EXPECT_EQ(+config.wAssignedDrives, 0);
    BmicResult past = s.lib.sense(s.controller, 0x50, config, 0, 32);
    EXPECT_EQ(past.scsiStatus, 2);
    EXPECT_EQ(past.senseKey, 5);
    IDENTIFY_LOGICAL_DRIVE id;
    EXPECT_EQ(s.lib.sense(s.controller, 0x10, id, 0, 7).scsiStatus, 2);
}

TEST(Configuration, RecordWithNoDrivesDeletesAndTheNumberIsFreeAgain)
{
    SmallController s;
    ASSERT_TRUE(s.write(0, record({0, 1}, 2, 1000)).ok());
    ASSERT_TRUE(s.write(1, record({0, 1}, 2, 1000, 1000 * 255 * 63)).ok());
    EXPECT_EQ(s.configuredCount(), 2);
    LOGICAL_DRIVE_CONFIG none{};
    ASSERT_TRUE(s.write(0, none).ok());
    EXPECT_EQ(s.configuredCount(), 1);
    ASSERT_TRUE(s.write(0, record({0, 1}, 2, 1000)).ok());
    EXPECT_EQ(s.configuredCount(), 2);
}

TEST(Configuration, RecordsThatCannotBeHonouredAreRefusedWithInvalidParameter)
{
    SmallController s;
    ASSERT_TRUE(s.write(0, record({0, 1}, 2, 1000)).ok());
    LOGICAL_DRIVE_CONFIG wrongCount = record({2, 3}, 2, 1000);
    wrongCount.wAssignedDrives = 3;
    const LOGICAL_DRIVE_CONFIG refused[] = {
        record({0, 1}, 2, 1000), // overlaps logical drive 0
        record({1, 2}, 2, 1000, 600000000), // shares a drive with another array
        record({2, 3}, 2, 60000), // larger than the drives
        record({2, 3, 4}, 2, 1000), // RAID 1+0 needs an even count
        record({2, 40}, 2, 1000), // no drive 40
        record({2, 3}, 9, 1000), // no such RAID level
        wrongCount,
    };
    for (const LOGICAL_DRIVE_CONFIG& config : refused) {
        BmicResult r = s.write(1, config);
        EXPECT_EQ(r.scsiStatus, 2);
        EXPECT_EQ(r.commandStatus, 255);
        EXPECT_EQ(r.senseKey, 5);
        EXPECT_EQ(r.asc, 0x26);
    }
    EXPECT_EQ(s.configuredCount(), 1);
}

// What a real controller refuses from a tool that got the record wrong: a table checksum that
// does not add up, a drive another array holds as a spare, a configured number written over.
TEST(Configuration, RecordsFromAFaultyToolAreRefusedAndChangeNothing)
{
    SmallController s;
    ASSERT_TRUE(s.write(0, record({0, 1, 2}, 3, 1000, 0, {3})).ok());
    LOGICAL_DRIVE_CONFIG badChecksum = record({4, 5}, 2, 1000);
    badChecksum.logicalDriveParamTable.bChecksum ^= 0x01;
    LOGICAL_DRIVE_CONFIG stored;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, stored, 0, 0).ok());
    const std::pair<std::uint16_t, LOGICAL_DRIVE_CONFIG> refused[] = {
        {1, badChecksum},
        {1, record({3, 4}, 2, 1000)}, // drive 3 is the spare of logical drive 0
        {1, record({4, 5}, 2, 1000, 0, {0})}, // drive 0 holds data of logical drive 0
        {0, record({0, 1, 2}, 3, 500)}, // logical drive 0 is configured
    };
    for (const auto& [number, config] : refused) {
        BmicResult r = s.write(number, config);
        EXPECT_EQ(r.scsiStatus, 2);
        EXPECT_EQ(r.asc, 0x26);
    }
    EXPECT_EQ(s.configuredCount(), 1);
    LOGICAL_DRIVE_CONFIG after;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, after, 0, 0).ok());
    EXPECT_EQ(std::memcmp(&after, &stored, sizeof after), 0);
    EXPECT_EQ(after.logicalDriveParamTable.bChecksum, parameterTableChecksum(after));
}

TEST(Configuration, ShortBufferOnASetCommandIsAParameterLengthError)
{
    SmallController s;
    std::uint8_t half[256] = {};
    BmicResult r = s.lib.bmic(s.controller, 0x51, IMGR_BMIC_DIRECTION_TO_CONTROLLER, half, sizeof half, 0, 0);
    EXPECT_EQ(r.scsiStatus, 2);
    EXPECT_EQ(r.asc, 0x1A);
}

TEST(Configuration, SpareAssignmentOnAnExistingLogicalDriveIsKept)
{
    SmallController s;
    ASSERT_TRUE(s.write(0, record({0, 1, 2}, 3, 1000)).ok());
    LOGICAL_DRIVE_CONFIG config;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, config, 0, 0).ok());
    config.pbBigSpareAssignmentMap[0] = 0x08;
    ASSERT_TRUE(s.write(0, config).ok());
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, config, 0, 0).ok());
    EXPECT_EQ(config.pbBigSpareAssignmentMap[0], 0x08);
    LOGICAL_DRIVE_STATUS status;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x12, status, 0, 0).ok());
    EXPECT_EQ(status.bSpareStatus & 1, 1);
}

TEST(Configuration, ReorderSwapsNumbersAndLabelFollowsTheDrive)
{
    SmallController s;
    ASSERT_TRUE(s.write(0, record({0, 1}, 2, 1000)).ok());
    IDENTIFY_LOGICAL_DRIVE id;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x10, id, 0, 0).ok());
    LABEL_LOGICAL_DRIVE label{};
    label.dwLogicalDriveIdentifier = id.dwVolumeIdentifier;
    std::memcpy(label.pbLogicalDriveLabel, "archive", 7);
    ASSERT_TRUE(s.lib.set(s.controller, 0x57, label, 0, 0).ok());
    REORDER_LOGICAL_DRIVES reorder{};
    reorder.pbUnitNumber[0] = 5;
    reorder.pbUnitNumber[5] = 0;
    ASSERT_TRUE(s.lib.set(s.controller, 0x56, reorder).ok());
    EXPECT_EQ(s.lib.sense(s.controller, 0x10, id, 0, 0).scsiStatus, 2);
    ASSERT_TRUE(s.lib.sense(s.controller, 0x10, id, 0, 5).ok());
    EXPECT_STREQ(id.sVolumeLabel, "archive");
    label.dwLogicalDriveIdentifier = id.dwVolumeIdentifier + 1;
    EXPECT_EQ(s.lib.set(s.controller, 0x57, label, 0, 5).scsiStatus, 2);
}

TEST(Configuration, CacheRatioAndPerDriveCacheRoundTrip)
{
    SmallController s;
    ASSERT_TRUE(s.write(0, record({0, 1}, 2, 1000)).ok());
    CACHE_CONFIG_STATUS cache;
    ASSERT_TRUE(s.lib.sense(s.controller, 0xC1, cache).ok());
    EXPECT_EQ(cache.bPercentReadCache + cache.bPercentWriteCache, 100);
    cache.wWriteCacheSize = static_cast<std::uint16_t>(cache.wTotalMemorySize * 75 / 100);
    cache.wReadCacheSize = static_cast<std::uint16_t>(cache.wTotalMemorySize - cache.wWriteCacheSize);
    cache.bDisableFlag = 1;
    cache.dwCacheDisabledMap = 0xFFFFFFFFu;
    ASSERT_TRUE(s.lib.set(s.controller, 0xC0, cache).ok());
    ASSERT_TRUE(s.lib.sense(s.controller, 0xC1, cache).ok());
    EXPECT_EQ(cache.bPercentReadCache, 25);
    EXPECT_EQ(cache.bDisableFlag, 1);
    EXPECT_EQ(cache.dwCacheDisabledMap & 1u, 1u);
}

TEST(Configuration, ControllerParametersKeepTheAccessIdentifier)
{
    SmallController s;
    CONTROLLER_PARAMETERS params;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x64, params).ok());
    params.bRebuildPriority = 0x76;
    std::memcpy(params.sAccessID, "overwritten", 11);
    std::memcpy(params.sHardwareName, "rack 4", 6);
    ASSERT_TRUE(s.lib.set(s.controller, 0x63, params).ok());
    ASSERT_TRUE(s.lib.sense(s.controller, 0x64, params).ok());
    EXPECT_EQ(params.bRebuildPriority, 0x76);
    EXPECT_EQ(std::string(params.sHardwareName, 6), "rack 4");
    EXPECT_EQ(params.sAccessID[0], 0);
}

TEST(Configuration, UnknownOpcodeIsAnIllegalRequest)
{
    SmallController s;
    std::uint8_t buffer[512];
    BmicResult r = s.lib.bmic(s.controller, 0x5E, kSenseDir, buffer, sizeof buffer, 0, 0);
    EXPECT_EQ(r.scsiStatus, 2);
    EXPECT_EQ(r.asc, 0x20);
}

} // namespace
