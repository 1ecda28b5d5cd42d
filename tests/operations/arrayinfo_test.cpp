#include "operations/arrayinfo.h"

#include <gtest/gtest.h>

#include "tests/operations/fakecontroller.h"

using namespace Operations;

namespace {

_ArrayInfo onDrives(std::initializer_list<unsigned> drives, unsigned logicalDrive)
{
    _ArrayInfo record;
    for (unsigned n : drives)
        record.dataDrives.set(n);
    record.logicalDrives.set(logicalDrive);
    return record;
}

} // namespace

TEST(ArrayInfo, SharedDrivesMergeIntoTheFirstMatchOnlyAndAKeptSeparateOverlapIsDropped)
{
    ArrayInfoList list;
    AddArrayInfoToList(onDrives({0, 1}, 0), list, false);
    AddArrayInfoToList(onDrives({2, 3}, 1), list, false);
    AddArrayInfoToList(onDrives({1, 2}, 2), list, false);
    AddArrayInfoToList(onDrives({3, 9}, 3), list, true);
    AddArrayInfoToList(onDrives({6}, 4), list, true);
    ASSERT_EQ(list.size(), 3u);
    auto second = std::next(list.begin());
    EXPECT_EQ(list.front().logicalDrives.to_ulong(), 0b101u);
    EXPECT_EQ(list.front().dataDrives.to_ulong(), 0b111u);
    EXPECT_EQ(second->logicalDrives.to_ulong(), 0b010u);
    EXPECT_EQ(second->dataDrives.to_ulong(), 0b1100u);
    EXPECT_TRUE(list.back().dataDrives.test(6));
}

TEST(ArrayInfo, ScanSkipsUnconfiguredNumbersStopsAtTheConfiguredCountAndNeverPassesNumber31)
{
    FakeController controller;
    controller.addLogicalDrive(0, {0, 1}, {2});
    controller.addLogicalDrive(3, {4, 5});
    FakeController::setBit(controller.statuses[0].pbBigActiveSpareBitmap, 2);
    ArrayInfoList found;
    EXPECT_TRUE(ScanLogicalDrives(controller, controller.identify, found));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found.front().activeSpares.test(2));
    EXPECT_TRUE(found.back().logicalDrives.test(3));
    EXPECT_EQ(controller.count(0x50), 4u);
    EXPECT_EQ(controller.count(0x12), 2u) << "numbers 1 and 2 are not configured: they have no status";

    FakeController overstated;
    overstated.identify.bConfiguredLogicalDrives = 40;
    EXPECT_TRUE(ScanLogicalDrives(overstated, overstated.identify, found));
    EXPECT_EQ(overstated.count(0x50), 32u);
}

TEST(ArrayInfo, AFailingCommandEndsTheScanWithItsFailure)
{
    FakeController controller;
    controller.addLogicalDrive(0, {0, 1});
    controller.addLogicalDrive(1, {2, 3});
    controller.failingOpcode = 0x12;
    ArrayInfoList found;
    EXPECT_FALSE(ScanLogicalDrives(controller, controller.identify, found));
    EXPECT_TRUE(found.empty());
    EXPECT_EQ(controller.sent.size(), 2u);
}

// Drive n is bit n % 8 of byte n / 8, both ways, for every drive of every byte.
TEST(ArrayInfo, DriveMapsReadBackAsWritten)
{
    for (unsigned first = 0; first < 128; ++first) {
        DriveSet drives;
        for (unsigned n = first; n < 128; n += 1 + first % 7)
            drives.set(n);
        std::uint8_t bytes[16];
        driveSetToBytes(drives, bytes);
        EXPECT_EQ(bytes[first / 8] & (1u << (first % 8)), 1u << (first % 8));
        EXPECT_EQ(driveSetFromBytes(bytes), drives) << first;
    }
}
