// Sizing and stamping a new logical drive's configuration record.
#include <gtest/gtest.h>

#include "controller/driveparametertable.h"
#include "schema/schemalogicaldrive.h"

namespace {

using Schema::LogicalDrive;

constexpr unsigned long long kCylinder63 = 255ull * 63;
constexpr unsigned long long kCylinder32 = 255ull * 32;

unsigned long long maxSize(bool over2TB, unsigned long long blocks, unsigned sectors, unsigned long long alignment,
                           unsigned drives, unsigned dataDrives, bool capAtBoot = false, bool limitToBoot = true)
{
    unsigned long long result = 0;
    EXPECT_TRUE(LogicalDrive::MaxUserSize(over2TB, limitToBoot, blocks, sectors, alignment, drives, dataDrives, result,
                                          capAtBoot));
    return result;
}

// Whole cylinders below the boot boundary, exact (aligned) sizes above it.
TEST(MaxUserSize, RoundsToCylindersOnlyBelowTheBootBoundary)
{
    for (unsigned long long blocks = 1000003; blocks < 8000000000ull; blocks = blocks * 3 + 7) {
        for (unsigned sectors : {32u, 63u}) {
            const unsigned long long cylinder = sectors == 32 ? kCylinder32 : kCylinder63;
            const unsigned long long boundary =
                sectors == 32 ? LogicalDrive::MAX_BOOT_BOUNDARY_32 : LogicalDrive::MAX_BOOT_BOUNDARY_63;
            const unsigned long long size = maxSize(true, blocks, sectors, 512, 4, 3);
            const unsigned long long aligned = (blocks / 4 / 512 * 512) * 3 + (blocks / 4) % 512;
            if (aligned < boundary) {
                EXPECT_EQ(size % cylinder, 0u) << blocks;
                EXPECT_LT(aligned - size, cylinder) << blocks;
            } else {
                EXPECT_EQ(size, aligned) << blocks;
            }
        }
    }
}

TEST(MaxUserSize, AlignsEachDrivesShareAndCountsOnlyDataDrives)
{
    // 4 drives of 1000000 blocks each, aligned on 4096: 999424 of each, plus the 576 left over.
    const unsigned long long raid6 = maxSize(true, 4000000, 63, 4096, 4, 2);
    const unsigned long long raid0 = maxSize(true, 4000000, 63, 4096, 4, 4);
    EXPECT_EQ(raid6, (999424ull * 2 + 576) / kCylinder63 * kCylinder63);
    EXPECT_EQ(raid0, (999424ull * 4 + 576) / kCylinder63 * kCylinder63);
}

TEST(MaxUserSize, WithoutBigDrivesTheSizeIsCapped)
{
    const unsigned long long huge = 40000000000ull;
    EXPECT_GT(maxSize(true, huge, 63, 512, 2, 2), LogicalDrive::MAX_LOGICAL_DRIVE_BOUNDARY);
    EXPECT_EQ(maxSize(false, huge, 63, 512, 2, 2), LogicalDrive::MAX_LOGICAL_DRIVE_BOUNDARY);
    EXPECT_EQ(maxSize(false, huge, 63, 512, 2, 2, true), LogicalDrive::MAX_BOOT_BOUNDARY_63);
    EXPECT_EQ(maxSize(false, huge, 32, 512, 2, 2, true), LogicalDrive::MAX_BOOT_BOUNDARY_32);
    EXPECT_EQ(maxSize(false, huge, 32, 512, 2, 2, false, false), kCylinder32 * LogicalDrive::MAX_CYLINDERS);
}

TEST(MaxUserSize, NoDrivesOrNoAlignmentIsRefusedWithoutDividingByZero)
{
    unsigned long long result = 99;
    EXPECT_FALSE(LogicalDrive::MaxUserSize(true, true, 1000000, 63, 512, 0, 0, result, false));
    EXPECT_EQ(result, 0u);
    EXPECT_FALSE(LogicalDrive::MaxUserSize(true, true, 1000000, 63, 0, 2, 1, result, false));
}

LOGICAL_DRIVE_CONFIG recordWith(unsigned sectors, unsigned cylinders, unsigned long long bigBlocks, unsigned spares)
{
    LOGICAL_DRIVE_CONFIG config{};
    config.qwBigBlocksInLogicalDrive = bigBlocks;
    for (unsigned i = 0; i < spares; ++i)
        config.pbBigSpareAssignmentMap[i / 8] =
            static_cast<std::uint8_t>(config.pbBigSpareAssignmentMap[i / 8] | (1u << (i % 8)));
    LogicalDrive::SetDriveParameterTable(config, 255, sectors, cylinders);
    LogicalDrive::Stamp(config);
    return config;
}

TEST(Stamp, MajorVersionTellsWhichExtendedFieldsARecordUses)
{
    EXPECT_EQ(recordWith(63, 1000, 0, 0).bConfigModMajorVer, 4);
    EXPECT_EQ(recordWith(63, 1000, 0, 1).bConfigModMajorVer, 4);
    EXPECT_EQ(recordWith(63, 1000, 0, 2).bConfigModMajorVer, 7);
    EXPECT_EQ(recordWith(63, 65535, 2000000000ull, 0).bConfigModMajorVer, 5);
    EXPECT_EQ(recordWith(63, 65535, 2000000000ull, 2).bConfigModMajorVer, 7);
    EXPECT_EQ(recordWith(32, 65535, 2000000000ull, 2).bConfigModMajorVer, 8);
    EXPECT_EQ(recordWith(32, 65535, 5000000000ull, 2).bConfigModMajorVer, 9);
    const LOGICAL_DRIVE_CONFIG stamped = recordWith(63, 1000, 0, 0);
    EXPECT_EQ(stamped.bGUIOptions, 8);
    EXPECT_EQ(stamped.bGUIMajorVer + stamped.bGUIMinorVer, 0);
}

// The table's checksum covers the 241 bytes from the table on, so a change there after the
// table was set breaks it, and one beyond them does not.
TEST(DriveParameterTable, ChecksumCoversTheTableAndTheBytesAfterIt)
{
    LOGICAL_DRIVE_CONFIG config{};
    config.pbBigDriveAssignmentMap[0] = 0x0F;
    LogicalDrive::SetDriveParameterTable(config, 255, 63, 1234);
    const DRIVE_PARAM_TABLE table = config.logicalDriveParamTable;
    EXPECT_EQ(table.bMaxHeads, 255);
    EXPECT_EQ(table.bSectorsPerTrack, 63);
    EXPECT_EQ(+table.wMaxCylinders, 1234);
    EXPECT_EQ(+table.wLandingZone, 1234);
    EXPECT_EQ(table.bDriveControl, 8);
    EXPECT_EQ(+table.wPreCompCylinder, 0xFFFF);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&config.logicalDriveParamTable);
    unsigned sum = 0;
    for (std::size_t i = 0; i < 241; ++i)
        sum += bytes[i];
    EXPECT_EQ(sum % 256, 0u);
    LOGICAL_DRIVE_CONFIG inside = config;
    inside.pbBigDriveAssignmentMap[1] = 1;
    EXPECT_NE(parameterTableChecksum(inside), table.bChecksum);
    LOGICAL_DRIVE_CONFIG beyond = config;
    beyond.reserved3[100] = 77; // byte 356 of the record
    EXPECT_EQ(parameterTableChecksum(beyond), table.bChecksum);
}

TEST(Signature, CarriesTheMarkInItsTopBits)
{
    std::uint32_t signature = 0;
    LogicalDrive::GenerateSignature(signature);
    EXPECT_EQ(signature >> 28, 0xAu);
    EXPECT_NE(signature & 0x0FFFFFFFu, 0u);
}

} // namespace
