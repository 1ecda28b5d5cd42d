// Reading a storage system and the controllers of its redundant pair (the external preset).
#include <string>

#include <gtest/gtest.h>

#include "operations/readstoragesysteminfo.h"
#include "tests/operations/simtree.h"

namespace {

namespace System = Interface::StorageMod::StorageSystem;
namespace Controller = Interface::StorageMod::ArrayController;

std::string value(const Core::DevicePtr& device, const char* name) { return device->getValueFor(name).c_str(); }

TEST(StorageSystemReading, TheStorageSystemAndItsPairReportChassisRedundancyAndSlots)
{
    const Core::DevicePtr root = SimTree::build(SimTree::makeState("external"));
    const Core::DeviceList systems = SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_STORAGE_SYSTEM);
    ASSERT_EQ(systems.size(), 1u);
    const Core::DevicePtr system = systems.front();
    EXPECT_EQ(value(system, System::ATTR_NAME_STATUS), System::ATTR_VALUE_STATUS_OK);
    EXPECT_EQ(value(system, System::ATTR_NAME_BOX_NAME), "Lab Storage");
    EXPECT_EQ(value(system, System::ATTR_NAME_NODE_NAME), "5A0E0D1005110170") << "the node's world-wide name";
    EXPECT_EQ(value(system, System::ATTR_NAME_LOGICAL_DRIVE_COUNT), "2");
    EXPECT_EQ(value(system, System::ATTR_NAME_PHYSICAL_DRIVE_COUNT), "8");
    EXPECT_EQ(value(system, System::ATTR_NAME_REDUNDANCY_MODE), System::ATTR_VALUE_REDUNDANCY_MODE_ACTIVE_STANDBY);
    EXPECT_EQ(value(system, System::ATTR_NAME_DRIVE_WRITE_CACHE), System::ATTR_VALUE_DRIVE_WRITE_CACHE_DISABLED);

    std::string pair;
    for (const Core::DevicePtr& controller :
         SimTree::devicesOf(system, Interface::MORUMod::ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
        pair += value(controller, Controller::ATTR_NAME_IO_SLOT) + ":" +
            value(controller, Controller::ATTR_NAME_REDUNDANT_STATE) + ":" +
            value(controller, Controller::ATTR_NAME_CONTROLLER_SERIAL_NUMBER) + ":" +
            value(controller, Controller::ATTR_NAME_WWN_PORT) + " ";
    EXPECT_EQ(pair,
              "0:ATTR_VALUE_REDUNDANT_STATE_ACTIVE:E7VN100420A:5A0E0D1005110170 "
              "1:ATTR_VALUE_REDUNDANT_STATE_STANDBY:E7VN100420B:5A0E0D1005110170 ");

    Operations::ReadStorageSystemInfo reader;
    const Core::CapabilityPtr levels = reader.getRaidCapabilityPtr(system);
    std::string offered;
    for (auto it = levels->beginChild(); it != levels->endChild(); ++it)
        offered += std::string((*it)->getValueFor(Interface::MORUMod::ATTR_NAME_CAPABILITY_INSTANCE).c_str()) + " ";
    EXPECT_EQ(offered, "ATTR_VALUE_RAID_0 ATTR_VALUE_RAID_1 ATTR_VALUE_RAID_4 ATTR_VALUE_RAID_5 ATTR_VALUE_RAID_6 ");
}

} // namespace
