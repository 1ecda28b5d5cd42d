#include "cli/clisort.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/cli/showtree.h"

namespace {

using namespace ShowTree;
using Keys = std::vector<std::string>;

Keys keys(const std::vector<Core::DevicePtr>& devices)
{
    Keys out;
    for (const Core::DevicePtr& device : devices)
        out.push_back(key(device));
    return out;
}

// One controller with arrays A and B, a spare serving both, an unassigned
// drive and two tape drives (which have no display name).
class DisplayOrder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Core::DevicePtr c1 = tree.controller(tree.root, "c1", {{ATTR_NAME_SLOT, "1"}});
        arrayA = tree.array(c1, "A1", 0);
        arrayB = tree.array(c1, "B1", 1);
        spare = tree.drive(c1, "s1", "1I", 1, 12, ATTR_VALUE_DRIVE_TYPE_SPARE);
        member(arrayA, spare, ASSOCIATION_SPARE_DRIVE);
        member(arrayB, spare, ASSOCIATION_SPARE_DRIVE);
        member(arrayB, tree.drive(c1, "d3", "1I", 1, 3, ATTR_VALUE_DRIVE_TYPE_DATA));
        // Bay 10 must follow bay 2: names are compared with padded numbers.
        member(arrayA, tree.drive(c1, "d10", "1I", 1, 10, ATTR_VALUE_DRIVE_TYPE_DATA));
        member(arrayA, tree.drive(c1, "d2", "1I", 1, 2, ATTR_VALUE_DRIVE_TYPE_DATA));
        tree.drive(c1, "u1", "1I", 1, 1, ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);
        tree.logicalDrive(arrayB, "L3", 2);
        tree.logicalDrive(arrayA, "L11", 10);
        tree.logicalDrive(arrayA, "L2", 1);
        tree.tape(c1, "t1");
        tree.tape(c1, "t2");
        all.push_back(c1);
        for (auto child = c1->beginChild(); child != c1->endChild(); ++child) {
            all.push_back(*child);
            all.insert(all.end(), (*child)->beginChild(), (*child)->endChild());
        }
    }

    Tree tree;
    Core::DevicePtr arrayA, arrayB, spare;
    std::vector<Core::DevicePtr> all;
};

} // namespace

TEST_F(DisplayOrder, ListsEachArrayWithItsLogicalDataAndSpareDrives)
{
    std::vector<Core::DevicePtr> devices(all.rbegin(), all.rend());
    CLI_SORT::SortDevicesEx(devices);
    // The tapes have equal keys: each is listed once, in the order given.
    EXPECT_EQ(keys(devices), (Keys{"t2", "t1", "c1", "A1", "L2", "L11", "d2", "d10", "s1", "B1", "L3", "d3", "u1"}));
}

TEST_F(DisplayOrder, AListedSpareStaysWithTheArrayItWasRecordedFor)
{
    CLI_SORT::ClearSparesList();
    CLI_SORT::UpdateSparesList(spare, arrayB);
    std::vector<Core::DevicePtr> devices = {spare, arrayA, arrayB};
    CLI_SORT::SortDevicesEx(devices);
    EXPECT_EQ(keys(devices), (Keys{"A1", "B1", "s1"}));
    // The sort forgot the record; the spare now goes with the first array it serves.
    EXPECT_EQ(key(CLI_SORT::GetSparesArray(spare)), "A1");
}

TEST_F(DisplayOrder, ArraysPastZFollowZ)
{
    const Core::DevicePtr c1 = all.front();
    const Core::DevicePtr arrayZ = tree.array(c1, "Z1", 25);
    const Core::DevicePtr arrayAA = tree.array(c1, "AA1", 26);
    tree.logicalDrive(arrayZ, "LZ", 3);
    tree.logicalDrive(arrayAA, "LAA", 4);
    std::vector<Core::DevicePtr> devices;
    for (auto child = c1->beginChild(); child != c1->endChild(); ++child)
        if ((*child)->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_ARRAY) {
            devices.push_back(*child);
            devices.insert(devices.end(), (*child)->beginChild(), (*child)->endChild());
        }
    std::reverse(devices.begin(), devices.end());
    CLI_SORT::SortDevicesEx(devices);
    EXPECT_EQ(keys(devices), (Keys{"A1", "L2", "L11", "B1", "L3", "Z1", "LZ", "AA1", "LAA"}));
}
