// Giving an array its spares on the simulated controllers: the set given becomes the spare map
// of every fault-tolerant logical drive of the array, RAID 0 logical drives keep theirs, an
// empty set removes every spare; and splitting a mirrored array, which this firmware refuses,
// ends as a failure with nothing changed.
#include <cstring>
#include <iterator>

#include <gtest/gtest.h>

#include "operations/arrayinfo.h"
#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;

// A RAID 1 and a RAID 0 logical drive on one array of two drives; three drives unassigned.
const std::string kMixedArray = hardware(5) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n" +
    "logicaldrive 1 drives=1I:1:1,1I:1:2 raid=0 size=1GB\n";

Operations::DriveSet sparesOf(const LOGICAL_DRIVE_CONFIG& config)
{
    return Operations::driveSetFromBytes(config.pbBigSpareAssignmentMap);
}

std::string idOf(const Tree& tree, unsigned index)
{
    const Core::DeviceList drives = tree.drives();
    return (*std::next(drives.begin(), index))->toString().c_str();
}

Core::OperationReturn giveSpares(const Tree& tree, const Arguments& spares)
{
    return Tree::perform(tree.arrays().front(), Config::OPERATION_WRITE_MANAGE_SPARE_DRIVE, spares);
}

} // namespace

TEST(ManageSpareDrive, TheSetGivenReplacesTheSparesOfTheFaultTolerantDrivesOnly)
{
    Tree tree(kMixedArray);
    const LOGICAL_DRIVE_CONFIG raid0 = tree.stored(1);
    ASSERT_TRUE(giveSpares(tree, {{ATTR_NAME_UNIQUE_ID, idOf(tree, 2)}, {ATTR_NAME_UNIQUE_ID, idOf(tree, 3)}}));
    EXPECT_EQ(sparesOf(tree.stored(0)).to_string().substr(124), "1100");
    const LOGICAL_DRIVE_CONFIG raid0After = tree.stored(1);
    EXPECT_EQ(std::memcmp(&raid0, &raid0After, sizeof raid0), 0);

    ASSERT_TRUE(giveSpares(tree, {{ATTR_NAME_UNIQUE_ID, idOf(tree, 3)}}));
    EXPECT_EQ(sparesOf(tree.stored(0)).to_string().substr(124), "1000");
    ASSERT_TRUE(giveSpares(tree, {}));
    EXPECT_TRUE(sparesOf(tree.stored(0)).none());
}

TEST(ManageSpareDrive, ADriveThatIsNotThereIsRefusedBeforeAnythingIsSent)
{
    Tree tree(kMixedArray);
    RequestLog log;
    EXPECT_EQ(giveSpares(tree, {{ATTR_NAME_UNIQUE_ID, "no such drive"}}).getValueFor(ATTR_NAME_STATUS),
              ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    EXPECT_EQ(log.count("51"), 0u);
}

TEST(SplitArray, OfferedOnMirrorsOnlyAndARefusalIsAFailure)
{
    Tree tree(kMixedArray);
    EXPECT_EQ(Tree::unavailableReason(tree.arrays().front(), Config::OPERATION_WRITE_SPLIT_ARRAY),
              ATTR_VALUE_UNAVAILABLE_REASON_LOGICAL_DRIVE_NOT_RAID_1);
    Tree mirror(hardware(2) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n");
    const LOGICAL_DRIVE_CONFIG before = mirror.stored(0);
    for (const char* operation : {Config::OPERATION_WRITE_SPLIT_ARRAY, Config::OPERATION_WRITE_JOIN_ARRAY}) {
        const Core::OperationReturn result = Tree::perform(mirror.arrays().front(), operation, {});
        EXPECT_FALSE(result) << operation;
        EXPECT_NE(result.getValueFor(ATTR_NAME_STATUS), ATTR_VALUE_STATUS_NOT_SUPPORTED) << operation;
    }
    const LOGICAL_DRIVE_CONFIG after = mirror.stored(0);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}
