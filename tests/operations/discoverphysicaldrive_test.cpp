#include "operations/discoverphysicaldrive.h"

#include <gtest/gtest.h>

#include "schema/schemaarray.h"
#include "schema/schemaphysicaldrive.h"
#include "tests/operations/discoverytree.h"
#include "tests/operations/fakecontroller.h"

using Operations::DiscoverPhysicalDrive;
namespace Facts = Interface::StorageMod::PhysicalDrive;

namespace {

std::vector<unsigned> discoveredIndexes(Core::Device& device, FakeController& controller)
{
    EXPECT_TRUE(DiscoverPhysicalDrive().discover(device, controller));
    std::vector<unsigned> indexes;
    for (const Schema::PhysicalDrive* drive : childrenOf<Schema::PhysicalDrive>(device))
        indexes.push_back(drive->driveIndex());
    return indexes;
}

} // namespace

TEST(DiscoverPhysicalDrive, AnArrayWithoutLogicalDrivesTypesItsDrivesAndARetypedDriveKeepsItsObject)
{
    DiscoveryTree tree;
    FakeController controller;
    controller.addDisks({0, 1, 2});
    discoveredIndexes(*tree.controller, controller);
    Schema::PhysicalDrive* first = childrenOf<Schema::PhysicalDrive>(*tree.controller)[0];
    EXPECT_EQ(first->getValueFor(Facts::ATTR_NAME_DRIVE_TYPE), Facts::ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);

    Schema::Array::DriveSet data, spare;
    data.set(0);
    spare.set(1);
    tree.controller->receive(Core::DevicePtr(new Schema::Array(0, {}, data, spare, {}, {})));
    EXPECT_EQ(discoveredIndexes(*tree.controller, controller), (std::vector<unsigned>{0, 1, 2}));
    const auto drives = childrenOf<Schema::PhysicalDrive>(*tree.controller);
    EXPECT_EQ(drives[0], first);
    EXPECT_EQ(first->getValueFor(Facts::ATTR_NAME_DRIVE_TYPE), Facts::ATTR_VALUE_DRIVE_TYPE_DATA);
    EXPECT_EQ(drives[1]->getValueFor(Facts::ATTR_NAME_DRIVE_TYPE), Facts::ATTR_VALUE_DRIVE_TYPE_SPARE);
}

TEST(DiscoverPhysicalDrive, DrivesOnADriveCageBusAreLeftToTheCageAndListedOnce)
{
    DiscoveryTree tree;
    FakeController controller;
    controller.addDisks({0, 16, 17, 33});
    controller.addCageBus(1);
    controller.addCageBus(2, "Orvex   ");
    controller.addCageBus(0, "ACME    ");
    EXPECT_EQ(discoveredIndexes(*tree.controller, controller), (std::vector<unsigned>{0}));
    EXPECT_EQ(controller.count(0x65), 3u) << "one question per bus that holds a drive";

    auto* cage = new Schema::DriveCage("1");
    cage->Receive(Core::Attribute(Interface::StorageMod::DriveCage::ATTR_NAME_BUS, 1u));
    tree.controller->receive(Core::DevicePtr(cage));
    EXPECT_EQ(discoveredIndexes(*cage, controller), (std::vector<unsigned>{16, 17}));
}
