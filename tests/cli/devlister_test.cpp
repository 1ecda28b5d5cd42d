#include "cli/devlister.h"

#include <gtest/gtest.h>

#include "tests/cli/showtree.h"

namespace {

using namespace ShowTree;
using Keys = std::vector<std::string>;

Keys listed(const Core::DevicePtr& start, const std::string& type)
{
    std::vector<Core::DevicePtr> out;
    DevLister(start, type, out);
    Keys keys;
    for (const Core::DevicePtr& device : out)
        keys.push_back(key(device));
    return keys;
}

} // namespace

TEST(DevLister, ListsDataDrivesByArrayThenUnassignedDrivesAndEachSpareOnce)
{
    Tree tree;
    const Core::DevicePtr c1 = tree.controller(tree.root, "c1", {});
    const Core::DevicePtr unassigned = tree.drive(c1, "u1", "1I", 1, 1, ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);
    const Core::DevicePtr arrayA = tree.array(c1, "A1", 0);
    const Core::DevicePtr arrayB = tree.array(c1, "B1", 1);
    const Core::DevicePtr spare = tree.drive(c1, "s1", "1I", 1, 2, ATTR_VALUE_DRIVE_TYPE_SPARE);
    member(arrayB, tree.drive(c1, "d2", "1I", 1, 3, ATTR_VALUE_DRIVE_TYPE_DATA));
    member(arrayA, tree.drive(c1, "d1", "1I", 1, 4, ATTR_VALUE_DRIVE_TYPE_DATA));
    member(arrayA, spare, ASSOCIATION_SPARE_DRIVE);
    member(arrayB, spare, ASSOCIATION_SPARE_DRIVE);
    tree.logicalDrive(arrayB, "L2", 1);
    tree.logicalDrive(arrayA, "L1", 0);

    EXPECT_EQ(listed(c1, ATTR_VALUE_TYPE_PHYSICAL_DRIVE), (Keys{"d1", "d2", "u1"}));
    EXPECT_EQ(listed(c1, ATTR_VALUE_DRIVE_TYPE_SPARE), Keys{"s1"});
    EXPECT_EQ(listed(c1, ATTR_VALUE_TYPE_ARRAY), (Keys{"A1", "B1"}));
    EXPECT_EQ(listed(c1, ATTR_VALUE_TYPE_LOGICAL_DRIVE), (Keys{"L1", "L2"}));

    // Several kinds at once come out as each kind in turn.
    std::vector<Core::DevicePtr> all;
    DevLister(c1,
              {ATTR_VALUE_TYPE_ARRAY, ATTR_VALUE_TYPE_LOGICAL_DRIVE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE,
               ATTR_VALUE_DRIVE_TYPE_SPARE},
              all);
    Keys keys;
    for (const Core::DevicePtr& device : all)
        keys.push_back(key(device));
    EXPECT_EQ(keys, (Keys{"A1", "B1", "L1", "L2", "d1", "d2", "u1", "s1"}));
}

// The arrays and drives of a controller in a storage system hang below the system.
TEST(DevLister, FindsAnExternalControllersDevicesInItsStorageSystem)
{
    Tree tree;
    const Core::DevicePtr box = tree.system("S1", {});
    const Core::DevicePtr controller = tree.controller(box, "e1", {});
    tree.array(box, "X1", 0);
    EXPECT_EQ(DevicesHome(controller).get(), box.get());
    EXPECT_EQ(DevicesHome(box).get(), box.get());
    EXPECT_EQ(listed(controller, ATTR_VALUE_TYPE_ARRAY), Keys{"X1"});
    const Core::DevicePtr local = tree.controller(tree.root, "c1", {});
    EXPECT_EQ(DevicesHome(local).get(), local.get());
    EXPECT_EQ(listed(local, ATTR_VALUE_TYPE_ARRAY), Keys{});
}
