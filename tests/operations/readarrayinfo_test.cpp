// The layout of an array: free space after the last logical drive, gaps, and the status it
// gives the array; and the arrays of the server preset.
#include <string>

#include <gtest/gtest.h>

#include "operations/readarrayinfo.h"
#include "tests/operations/simtree.h"

namespace {

using Operations::ReadArrayInfo;
using namespace Interface::StorageMod::Array;

std::string value(const Core::Device& device, const char* name) { return device.getValueFor(name).c_str(); }

ReadArrayInfo::Extent extent(unsigned number, std::uint64_t offset, std::uint64_t blocks)
{
    ReadArrayInfo::Extent e;
    e.number = number;
    e.offset = offset;
    e.blocksPerDrive = blocks;
    return e;
}

Schema::Array::DriveSet drives(unsigned count)
{
    Schema::Array::DriveSet set;
    for (unsigned n = 0; n < count; ++n)
        set.set(n);
    return set;
}

TEST(ArrayLayout, FreeSpaceIsWhatFollowsTheLastLogicalDriveOnEveryDataDrive)
{
    Schema::Array array(0, {}, drives(3), {}, {}, {});
    EXPECT_FALSE(ReadArrayInfo::publishLayout(array, {extent(1, 100, 50), extent(0, 0, 100)}, 1000));
    EXPECT_EQ(value(array, ATTR_NAME_FREE_BLOCKS), "2550");
    EXPECT_EQ(value(array, ATTR_NAME_NEXT_DATA_OFFSET), "150");
    EXPECT_EQ(value(array, ATTR_NAME_LAST_DELETEABLE_LOGICAL_DRIVE), "1");
    EXPECT_EQ(value(array, ATTR_NAME_ARRAY_HAS_GAPS), ATTR_VALUE_ARRAY_HAS_GAPS_FALSE);

    ReadArrayInfo::publishLayout(array, {extent(1, 120, 50), extent(0, 0, 100)}, 1000);
    EXPECT_EQ(value(array, ATTR_NAME_ARRAY_HAS_GAPS), ATTR_VALUE_ARRAY_HAS_GAPS_TRUE);

    ReadArrayInfo::publishLayout(array, {extent(0, 0, 5000)}, 1000);
    EXPECT_EQ(value(array, ATTR_NAME_FREE_BLOCKS), "0") << "a configuration larger than its drives leaves none";

    ReadArrayInfo::publishLayout(array, {}, 1000);
    EXPECT_EQ(value(array, ATTR_NAME_FREE_BLOCKS), "3000");
    EXPECT_FALSE(array.hasAttribute(ATTR_NAME_LAST_DELETEABLE_LOGICAL_DRIVE));
}

TEST(ArrayLayout, AFailedLogicalDriveIsReported)
{
    Schema::Array array(0, {}, drives(2), {}, {}, {});
    ReadArrayInfo::Extent failed = extent(0, 0, 10);
    failed.failed = true;
    EXPECT_TRUE(ReadArrayInfo::publishLayout(array, {failed}, 100));
}

TEST(ArrayLayout, TheServerArraysAreOkWithTheirDriveSizes)
{
    const Core::DevicePtr root = SimTree::build(SimTree::makeState("server"));
    std::string seen;
    for (const Core::DevicePtr& array : SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_ARRAY))
        seen += std::string(array->toString().c_str()) + "=" + value(*array, ATTR_NAME_STATUS) + "/" +
            value(*array, ATTR_NAME_INTERFACE) + "/" + value(*array, ATTR_NAME_RIS_BLOCKS_PER_PHYSICAL_DRIVE) + " ";
    EXPECT_EQ(seen,
              "AC:slot_0,A:0=ATTR_VALUE_STATUS_OK/ATTR_VALUE_INTERFACE_SAS/32768 "
              "AC:slot_3,A:0=ATTR_VALUE_STATUS_OK/ATTR_VALUE_INTERFACE_SAS/32768 "
              "AC:slot_3,A:1=ATTR_VALUE_STATUS_OK/ATTR_VALUE_INTERFACE_SAS/32768 ");
}

} // namespace
