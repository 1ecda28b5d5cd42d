#include "operations/discoverarray.h"

#include <gtest/gtest.h>

#include "controller/imgrimport.h"
#include "schema/schemaarray.h"
#include "tests/operations/discoverytree.h"
#include "tests/operations/fakecontroller.h"

using Operations::DiscoverArray;
namespace Facts = Interface::StorageMod::Array;

// The arrays come from the fake controller; the library (asked for logical drive handles) is
// kept out of reach so that no test touches a real or simulated one.
class DiscoverArrayTest : public ::testing::Test {
protected:
    void SetUp() override { ImgrImport::SetLoader(ImgrImport::LibraryLoader("/nonexistent/libzqvimgr.so")); }
    void TearDown() override { ImgrImport::SetLoader(nullptr); }
};

TEST_F(DiscoverArrayTest, ArraysFollowTheirLowestLogicalDriveAndKeepTheirObjectWhenRenumbered)
{
    DiscoveryTree tree;
    FakeController controller;
    controller.addLogicalDrive(0, {0, 1});
    controller.addLogicalDrive(1, {2, 3, 4});
    controller.addLogicalDrive(2, {0, 1});
    EXPECT_TRUE(DiscoverArray().discover(*tree.controller, controller));
    std::vector<Schema::Array*> arrays = childrenOf<Schema::Array>(*tree.controller);
    ASSERT_EQ(arrays.size(), 2u);
    EXPECT_EQ(arrays[0]->logicalDriveList().to_ulong(), 0b101u);
    EXPECT_EQ(arrays[1]->toString(), "AC:slot_3,A:1");

    controller.removeLogicalDrive(0);
    controller.removeLogicalDrive(2);
    EXPECT_TRUE(DiscoverArray().discover(*tree.controller, controller));
    EXPECT_EQ(childrenOf<Schema::Array>(*tree.controller)[1], arrays[1]);
    EXPECT_EQ(arrays[1]->getValueFor(Facts::ATTR_NAME_ARRAY_NUMBER), "0");
}

TEST_F(DiscoverArrayTest, AnArrayWithoutLogicalDrivesIsNumberedAfterTheConfiguredOnes)
{
    DiscoveryTree tree;
    Schema::Array::DriveSet data;
    data.set(6);
    tree.controller->receive(Core::DevicePtr(new Schema::Array(0, {}, data, {}, {}, {})));
    FakeController controller;
    controller.addLogicalDrive(0, {0, 1});
    EXPECT_TRUE(DiscoverArray().discover(*tree.controller, controller));
    const std::vector<Schema::Array*> arrays = childrenOf<Schema::Array>(*tree.controller);
    ASSERT_EQ(arrays.size(), 2u);
    EXPECT_EQ(arrays[0]->getValueFor(Facts::ATTR_NAME_ARRAY_NUMBER), "1");
    EXPECT_EQ(arrays[1]->getValueFor(Facts::ATTR_NAME_ARRAY_NUMBER), "0");
}
