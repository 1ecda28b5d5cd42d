// Reading a storage system (the external preset).
#include <string>

#include <gtest/gtest.h>

#include "operations/readstoragesysteminfo.h"
#include "tests/operations/simtree.h"

namespace {

namespace System = Interface::StorageMod::StorageSystem;

std::string value(const Core::DevicePtr& device, const char* name) { return device->getValueFor(name).c_str(); }

TEST(StorageSystemReading, TheStorageSystemCountsItsDrivesAndOffersItsRaidLevels)
{
    const Core::DevicePtr root = SimTree::build(SimTree::makeState("external"));
    const Core::DeviceList systems = SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_STORAGE_SYSTEM);
    ASSERT_EQ(systems.size(), 1u);
    const Core::DevicePtr system = systems.front();
    // Name, redundancy and the pair's slots are shown in the controller's detail listing.
    EXPECT_EQ(value(system, System::ATTR_NAME_NODE_NAME), "5A0E0D1005110170") << "the node's world-wide name";
    EXPECT_EQ(value(system, System::ATTR_NAME_LOGICAL_DRIVE_COUNT), "2");
    EXPECT_EQ(value(system, System::ATTR_NAME_PHYSICAL_DRIVE_COUNT), "8");

    Operations::ReadStorageSystemInfo reader;
    const Core::CapabilityPtr levels = reader.getRaidCapabilityPtr(system);
    std::string offered;
    for (auto it = levels->beginChild(); it != levels->endChild(); ++it)
        offered += std::string((*it)->getValueFor(Interface::MORUMod::ATTR_NAME_CAPABILITY_INSTANCE).c_str()) + " ";
    EXPECT_EQ(offered, "ATTR_VALUE_RAID_0 ATTR_VALUE_RAID_1 ATTR_VALUE_RAID_4 ATTR_VALUE_RAID_5 ATTR_VALUE_RAID_6 ");
}

} // namespace
