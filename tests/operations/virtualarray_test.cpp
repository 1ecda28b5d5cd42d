// Transformations of arrays of the simulated controllers through the planner: the order in which
// an expansion rewrites the logical drives, RAID 1+0 meeting an odd drive count, an extension in
// the middle of an array, the plans refused before anything is sent, and what an interrupted
// expansion leaves behind.
#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "schema/schemalogicaldrive.h"
#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
namespace Drive = Interface::StorageMod::PhysicalDrive;

constexpr std::uint16_t kRaid1 = 2, kRaid5 = 3, kRaid6 = 5;

std::string controllerLine(unsigned cacheMB)
{
    return "controller slot1 model=VARNEL_V24 slot=1 pcibus=6 batteries=1 cache=" + std::to_string(cacheMB) + "\n";
}

std::string drives(unsigned count)
{
    std::string text;
    for (unsigned bay = 1; bay <= count; ++bay)
        text += "drive 1I:1:" + std::to_string(bay) + " interface=sas size=300GB\n";
    return text;
}

// Three RAID 5 logical drives that fill an array of three drives; two drives unassigned.
std::string fullArray(unsigned cacheMB = 256)
{
    return controllerLine(cacheMB) + drives(5) +
        "logicaldrive 0 drives=1I:1:1,1I:1:2,1I:1:3 raid=5 size=100GB stripe=64\n"
        "logicaldrive 1 drives=1I:1:1,1I:1:2,1I:1:3 raid=5 size=150GB stripe=64\n"
        "logicaldrive 2 drives=1I:1:1,1I:1:2,1I:1:3 raid=5 size=max stripe=64\n";
}

// Adds the first `count` unassigned drives to the tree's only array.
Core::OperationReturn expand(const Tree& tree, unsigned count)
{
    Arguments ids;
    for (const Core::DevicePtr& drive : tree.drives())
        if (ids.size() < count &&
            drive->getValueFor(Drive::ATTR_NAME_DRIVE_TYPE) == Drive::ATTR_VALUE_DRIVE_TYPE_UNASSIGNED)
            ids.emplace_back(Core::ModelTerms::ATTR_NAME_UNIQUE_ID, drive->toString().c_str());
    return Tree::perform(tree.arrays().front(), Config::OPERATION_WRITE_EXPAND_ARRAY, ids);
}

// Where a record puts its logical drive on each member drive: [first, end).
struct Extent {
    std::uint64_t first, end;
    bool overlaps(const Extent& other) const { return first < other.end && other.first < end; }
};

Extent extentOf(const LOGICAL_DRIVE_CONFIG& record)
{
    return {record.dwDataOffset, record.dwDataOffset + record.qwExtendedBlocksPerDrive};
}

// What a transformation may change of a record.
auto layoutOf(const LOGICAL_DRIVE_CONFIG& r)
{
    return std::make_tuple(
        std::vector<std::uint8_t>(std::begin(r.pbBigDriveAssignmentMap), std::end(r.pbBigDriveAssignmentMap)),
        +r.dwDataOffset, +r.qwExtendedBlocksPerDrive, +r.dwBlocksOnVolume, +r.wFaultTolerance, +r.wDistribution);
}

unsigned memberCount(const LOGICAL_DRIVE_CONFIG& record)
{
    unsigned members = 0;
    for (std::uint8_t byte : record.pbBigDriveAssignmentMap)
        members += static_cast<unsigned>(__builtin_popcount(byte));
    return members;
}

// Replays the rewrites in the order the controller received them: no logical drive's new place
// may reach into the place another one holds at that moment.
void expectNoOverlapAtAnyStep(const std::vector<LOGICAL_DRIVE_CONFIG>& before, const Tree& after,
                              const std::vector<unsigned>& order)
{
    std::vector<Extent> now;
    for (const LOGICAL_DRIVE_CONFIG& record : before)
        now.push_back(extentOf(record));
    for (unsigned number : order) {
        const Extent moved = extentOf(after.stored(number));
        for (unsigned other = 0; other < now.size(); ++other)
            EXPECT_TRUE(other == number || !moved.overlaps(now[other]))
                << "logical drive " << number << " was moved onto logical drive " << other;
        now[number] = moved;
    }
}

TEST(VirtualArray, ExpandingAFullArrayMovesEveryLogicalDriveWithoutOverlappingAnother)
{
    Tree tree(fullArray());
    const std::vector<LOGICAL_DRIVE_CONFIG> before = {tree.stored(0), tree.stored(1), tree.stored(2)};
    RequestLog log;
    const Core::OperationReturn result = expand(tree, 1);
    ASSERT_TRUE(result) << status(result);
    const std::vector<unsigned> order = log.units("54");
    std::vector<unsigned> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<unsigned>{0, 1, 2}));
    const Tree after(Tree::SameControllers{}, tree);
    for (unsigned number = 0; number < 3; ++number) {
        EXPECT_EQ(memberCount(after.stored(number)), 4u);
        EXPECT_EQ(+after.stored(number).dwBlocksOnVolume, +before[number].dwBlocksOnVolume);
    }
    EXPECT_LT(+after.stored(2).dwDataOffset, +before[2].dwDataOffset);
    expectNoOverlapAtAnyStep(before, after, order);
}

TEST(VirtualArray, ExtendingAMiddleLogicalDriveMovesTheOneAfterItFirst)
{
    Tree tree(controllerLine(256) + drives(3) +
              "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=10GB sectors=32\n"
              "logicaldrive 1 drives=1I:1:1,1I:1:2 raid=1 size=10GB\n");
    const std::vector<LOGICAL_DRIVE_CONFIG> before = {tree.stored(0), tree.stored(1)};
    const unsigned long long asked = 2 * 10ull * 1024 * 2048 + 7;
    RequestLog log;
    const Core::OperationReturn result =
        Tree::perform(tree.logicalDrive(0), Config::OPERATION_WRITE_EXTEND_LOGICAL_DRIVE,
                      {{Facts::ATTR_NAME_USEABLE_BLOCKS, std::to_string(asked)}});
    ASSERT_TRUE(result) << status(result);
    EXPECT_EQ(log.units("54"), (std::vector<unsigned>{1, 0}));
    const Tree after(Tree::SameControllers{}, tree);
    const LOGICAL_DRIVE_CONFIG extended = after.stored(0);
    EXPECT_EQ(+extended.dwBlocksOnVolume, asked / (255 * 32) * (255 * 32)) << "whole cylinders of 255 x 32 blocks";
    expectNoOverlapAtAnyStep(before, after, log.units("54"));
}

TEST(VirtualArray, MirroredLogicalDrivesTakeParityOnlyWhenTheDriveCountIsOdd)
{
    const std::string mirrored =
        controllerLine(256) + drives(4) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=50GB\n";
    Tree odd(mirrored);
    ASSERT_TRUE(expand(odd, 1));
    const LOGICAL_DRIVE_CONFIG parity = Tree(Tree::SameControllers{}, odd).stored(0);
    EXPECT_EQ(+parity.wFaultTolerance, kRaid5);
    EXPECT_EQ(+parity.wDistribution, 128) << "the default stripe size of RAID 5";
    EXPECT_EQ(memberCount(parity), 3u);

    Tree even(mirrored);
    ASSERT_TRUE(expand(even, 2));
    const LOGICAL_DRIVE_CONFIG stillMirrored = Tree(Tree::SameControllers{}, even).stored(0);
    EXPECT_EQ(+stillMirrored.wFaultTolerance, kRaid1);
    EXPECT_EQ(memberCount(stillMirrored), 4u);

    // Four drives or more, on a controller that offers RAID 6, take two parity drives.
    Tree five(controllerLine(256) + drives(5) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=50GB\n");
    ASSERT_TRUE(expand(five, 3));
    const LOGICAL_DRIVE_CONFIG doubleParity = Tree(Tree::SameControllers{}, five).stored(0);
    EXPECT_EQ(+doubleParity.wFaultTolerance, kRaid6);
    EXPECT_EQ(+doubleParity.wDrivesConsumedForFaultTolerance, 2);
}

TEST(VirtualArray, RewrittenRecordsTakeTheFormTheirNewLayoutNeeds)
{
    // Past 65535 cylinders of 255 x 63 blocks the size no longer fits the drive parameter table.
    Tree big(controllerLine(256) + drives(2) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=0 size=400GB\n");
    const unsigned long long bigSize = 550ull * 1024 * 2048;
    ASSERT_TRUE(Tree::perform(big.logicalDrive(0), Config::OPERATION_WRITE_EXTEND_LOGICAL_DRIVE,
                              {{Facts::ATTR_NAME_USEABLE_BLOCKS, std::to_string(bigSize)}}));
    const LOGICAL_DRIVE_CONFIG extended = Tree(Tree::SameControllers{}, big).stored(0);
    EXPECT_EQ(extended.qwBigBlocksInLogicalDrive, bigSize);
    EXPECT_EQ(+extended.bLogicalDriveProperty & 1, 1) << "the big-drive property";
    EXPECT_EQ(+extended.logicalDriveParamTable.wMaxCylinders, 65535);

    // RAID 0 keeps no spares.
    Tree spared(controllerLine(256) + drives(4) +
                "logicaldrive 0 drives=1I:1:1,1I:1:2,1I:1:3 spares=1I:1:4 raid=5 size=100GB\n");
    ASSERT_TRUE(Tree::perform(spared.logicalDrive(0), Config::OPERATION_WRITE_MIGRATE_LOGICAL_DRIVE,
                              {{Facts::ATTR_NAME_RAID, Facts::ATTR_VALUE_RAID_0}}));
    const LOGICAL_DRIVE_CONFIG striped = Tree(Tree::SameControllers{}, spared).stored(0);
    EXPECT_EQ(+striped.wFaultTolerance, 0);
    EXPECT_TRUE(std::all_of(std::begin(striped.pbBigSpareAssignmentMap), std::end(striped.pbBigSpareAssignmentMap),
                            [](std::uint8_t byte) { return byte == 0; }));
    EXPECT_EQ(+striped.wDistribution, 256) << "the present stripe size (128 KB) when none is asked for";
}

TEST(VirtualArray, PlansThatCannotBeCarriedOutSendNothing)
{
    // One MB of transformation cache (2048 blocks) cannot convert 3 x 64 KB stripes to 3 x 512 KB.
    Tree smallCache(controllerLine(1) + drives(4) +
                    "logicaldrive 0 drives=1I:1:1,1I:1:2,1I:1:3,1I:1:4 raid=5 size=100GB stripe=64\n");
    RequestLog log;
    const Core::OperationReturn migrated =
        Tree::perform(smallCache.logicalDrive(0), Config::OPERATION_WRITE_MIGRATE_LOGICAL_DRIVE,
                      {{Facts::ATTR_NAME_STRIPE_SIZE, "1024"}});
    Tree full(fullArray());
    EXPECT_EQ(status(migrated), ATTR_VALUE_STATUS_FAILURE);
    const Core::OperationReturn extended =
        Tree::perform(full.logicalDrive(0), Config::OPERATION_WRITE_EXTEND_LOGICAL_DRIVE,
                      {{Facts::ATTR_NAME_USEABLE_BLOCKS, std::to_string(1ull << 40)}});
    EXPECT_EQ(status(extended), ATTR_VALUE_STATUS_FAILURE);
    EXPECT_EQ(log.count("54") + log.count("51"), 0u);

    smallCache.rescan();
    const Core::OperationReturn withinCache =
        Tree::perform(smallCache.logicalDrive(0), Config::OPERATION_WRITE_MIGRATE_LOGICAL_DRIVE,
                      {{Facts::ATTR_NAME_STRIPE_SIZE, "256"}});
    EXPECT_TRUE(withinCache) << status(withinCache);
    EXPECT_EQ(+Tree(Tree::SameControllers{}, smallCache).stored(0).wDistribution, 256);
}

TEST(VirtualArray, AnArrayWithAFailedDriveIsNotTransformed)
{
    Tree tree(fullArray());
    tree.tool("fail-drive slot1 1I:1:2");
    tree.rescan();
    EXPECT_EQ(Tree::unavailableReason(tree.arrays().front(), Config::OPERATION_WRITE_EXPAND_ARRAY),
              ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_STATUS_NOT_OK);
    EXPECT_EQ(Tree::unavailableReason(tree.logicalDrive(1), Config::OPERATION_WRITE_MIGRATE_LOGICAL_DRIVE),
              ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_STATUS_NOT_OK);
}

TEST(VirtualArray, AnInterruptedExpansionLeavesEachLogicalDriveAsBeforeOrAsPlanned)
{
    Tree planned(fullArray());
    ASSERT_TRUE(expand(planned, 1));
    const std::vector<LOGICAL_DRIVE_CONFIG> after = {planned.stored(0), planned.stored(1), planned.stored(2)};
    Tree interrupted(fullArray());
    const std::vector<LOGICAL_DRIVE_CONFIG> before = {interrupted.stored(0), interrupted.stored(1),
                                                      interrupted.stored(2)};
    interrupted.tool("check-condition-after slot1 54 1 1");
    EXPECT_FALSE(expand(interrupted, 1));
    const Tree fresh(Tree::SameControllers{}, interrupted);
    unsigned asPlanned = 0;
    for (unsigned number = 0; number < 3; ++number) {
        const auto layout = layoutOf(fresh.stored(number));
        const bool moved = layout == layoutOf(after[number]);
        EXPECT_TRUE(moved || layout == layoutOf(before[number])) << "logical drive " << number << " is half-written";
        asPlanned += moved ? 1 : 0;
    }
    EXPECT_EQ(asPlanned, 1u) << "the first rewrite stays, the second failed, the third was never sent";
}

} // namespace
