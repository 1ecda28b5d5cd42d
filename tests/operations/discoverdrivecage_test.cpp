#include "operations/discoverdrivecage.h"

#include <gtest/gtest.h>

#include "operations/discoverstorageenclosure.h"
#include "schema/schemastorageenclosure.h"
#include "tests/operations/discoverytree.h"
#include "tests/operations/fakecontroller.h"

namespace Facts = Interface::StorageMod;

TEST(DiscoverDriveCage, ADuplexCageSaysWhichHalfItIs)
{
    using Operations::DiscoverDriveCage;
    EXPECT_EQ(DiscoverDriveCage::duplexLocation("VESTRAIL      DB"), Facts::ATTR_VALUE_DUPLEX_LOCATION_BOTTOM);
    EXPECT_EQ(DiscoverDriveCage::duplexLocation("VESTRAIL      DT"), Facts::ATTR_VALUE_DUPLEX_LOCATION_TOP);
    EXPECT_TRUE(DiscoverDriveCage::duplexLocation("VESTRAIL      XB").empty());
    EXPECT_TRUE(DiscoverDriveCage::duplexLocation("VESTRAIL      D").empty());
}

TEST(DiscoverStorageEnclosure, BusesWithEnclosureDataFormOneEnclosurePerBox)
{
    DiscoveryTree tree;
    FakeController controller;
    controller.addDisks({0, 16, 40});
    controller.addCageBus(0);
    controller.addCageBus(1);
    EXPECT_TRUE(Operations::DiscoverStorageEnclosure().discover(*tree.controller, controller,
                                                                Facts::ATTR_VALUE_LOCATION_INTERNAL));
    const auto enclosures = childrenOf<Schema::StorageEnclosure>(*tree.controller);
    ASSERT_EQ(enclosures.size(), 1u) << "bus 2 has no enclosure data";
    EXPECT_EQ(enclosures[0]->toString(), "AC:slot_3,SE:0");
    EXPECT_EQ(enclosures[0]->getValueFor(Facts::ATTR_NAME_LOCATION), Facts::ATTR_VALUE_LOCATION_INTERNAL);
    EXPECT_EQ(controller.count(0x65), 3u);
}
