#include "operations/discoverphy.h"

#include <gtest/gtest.h>

#include "schema/schemaphy.h"
#include "tests/operations/discoverytree.h"

using Operations::DiscoverPhy;
namespace Facts = Interface::StorageMod::Phy;

TEST(DiscoverPhy, EachReportedPhyHasItsAttachmentAndAKnownLinkRate)
{
    DiscoveryTree tree;
    auto* drive = new Schema::PhysicalDrive(4, Interface::StorageMod::ATTR_VALUE_DRIVE_TYPE_DATA);
    tree.controller->receive(Core::DevicePtr(drive));
    PHYSICAL_DRIVE_STATUS table{};
    table.wPHYCount = 2;
    table.wPHYToAttachedDeviceIndex[0] = 0x80;
    table.bNegotiatedLinkRate[0] = 8;
    table.wPHYToAttachedDeviceIndex[1] = DiscoverPhy::NOT_ATTACHED;
    table.bNegotiatedLinkRate[1] = 6;
    DiscoverPhy().publishPhys(*drive, table);

    const std::vector<Schema::Phy*> phys = childrenOf<Schema::Phy>(*drive);
    ASSERT_EQ(phys.size(), 2u);
    EXPECT_EQ(phys[0]->toString(), "AC:slot_3,PD:4,PY:0");
    EXPECT_EQ(phys[0]->getValueFor(Facts::ATTR_NAME_STATUS), Facts::ATTR_VALUE_STATUS_OK);
    EXPECT_EQ(phys[0]->getValueFor(Facts::ATTR_NAME_ATTACHED_BMIC_INDEX), "128");
    EXPECT_EQ(phys[0]->getValueFor(Facts::ATTR_NAME_NEGOTIATED_LINK_RATE),
              Facts::ATTR_VALUE_NEGOTIATED_LINK_RATE_1_5_GBPS);
    EXPECT_EQ(phys[1]->getValueFor(Facts::ATTR_NAME_STATUS), Facts::ATTR_VALUE_STATUS_DEVICE_NOT_ATTACHED);
    EXPECT_FALSE(phys[1]->hasAttribute(Facts::ATTR_NAME_NEGOTIATED_LINK_RATE));
    EXPECT_EQ(Operations::linkRateToName(9), Facts::ATTR_VALUE_NEGOTIATED_LINK_RATE_3_0_GBPS);

    table.wPHYCount = 0xFFFF;
    DiscoverPhy().publishPhys(*drive, table);
    EXPECT_EQ(childrenOf<Schema::Phy>(*drive).size(), 256u) << "never past the end of the table";
}
