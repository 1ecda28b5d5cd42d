// Reading physical drives: locations of SAS, SATA and parallel SCSI drives, the status flags,
// and drives the controller reports unlocated.
#include <string>

#include <gtest/gtest.h>

#include "operations/readphysicaldriveinfo.h"
#include "tests/operations/simtree.h"

namespace {

using Operations::ReadPhysicalDriveInfo;
using namespace Interface::StorageMod::PhysicalDrive;

std::string value(const Core::Device& device, const char* name) { return device.getValueFor(name).c_str(); }

Core::DevicePtr driveIn(const Core::DevicePtr& root, const std::string& id)
{
    for (const Core::DevicePtr& drive : SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE))
        if (std::string(drive->toString().c_str()) == id)
            return drive;
    return Core::DevicePtr();
}

TEST(PhysicalDriveReading, DrivesOfTheServerShowMonitoringStampsAndPredictedFailure)
{
    const std::string state = SimTree::makeState("server");
    const std::string predict = "VNLSIM_STATE=" + state + " " + VNLSIM_TOOL + " predict-drive slot3 2E:1:5";
    ASSERT_EQ(std::system(predict.c_str()), 0);
    const Core::DevicePtr root = SimTree::build(state);
    // Location, interface, size and queuing of each drive are shown in the configuration's details.
    const Core::DevicePtr sata = driveIn(root, "AC:slot_3,PD:9");
    ASSERT_TRUE(sata);
    EXPECT_TRUE(sata->hasAttribute(ATTR_NAME_MNP_SERVICE_HOURS));

    const Core::DevicePtr sas = driveIn(root, "AC:slot_3,PD:0");
    ASSERT_TRUE(sas);
    EXPECT_EQ(value(*sas, ATTR_NAME_STAMPED), ATTR_VALUE_STAMPED_YES) << "a drive of an array";
    EXPECT_FALSE(sas->hasAttribute(ATTR_NAME_NCQ_CAPABLE)) << "queuing is a SATA fact";
    const Core::DevicePtr predicted = driveIn(root, "AC:slot_3,PD:8");
    ASSERT_TRUE(predicted);
    EXPECT_EQ(value(*predicted, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_PREDICTIVE_FAILURE);
}

TEST(PhysicalDriveReading, AParallelDriveHasABusAndIdButNoPortBoxOrBay)
{
    const Core::DevicePtr root = SimTree::build(SimTree::makeState("scsi"));
    const Core::DeviceList drives = SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    ASSERT_FALSE(drives.empty());
    for (const Core::DevicePtr& drive : drives) {
        EXPECT_EQ(value(*drive, ATTR_NAME_INTERFACE), ATTR_VALUE_INTERFACE_PARALLEL);
        EXPECT_TRUE(drive->hasAttribute(ATTR_NAME_SCSI_BUS) && drive->hasAttribute(ATTR_NAME_SCSI_ID));
        EXPECT_FALSE(drive->hasAttribute(ATTR_NAME_PORT) || drive->hasAttribute(ATTR_NAME_BOX));
    }
}

TEST(PhysicalDriveReading, FlagsAndUnknownLocationsAsTheControllerReportsThem)
{
    Schema::PhysicalDrive drive(4, ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);
    PHYSICAL_DRIVE_STATUS status{};
    status.bDeviceType = 2;
    status.bPhysicalBox = 255;
    status.bPhysicalBay = 3;
    ReadPhysicalDriveInfo::publishDriveInfo(drive, status);
    EXPECT_EQ(value(drive, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_FAILED) << "no OK flag";
    EXPECT_EQ(value(drive, ATTR_NAME_PORT), ATTR_VALUE_PORT_UNKNOWN);
    EXPECT_EQ(value(drive, ATTR_NAME_BAY), ATTR_VALUE_BAY_UNKNOWN);

    status.bPhysicalDriveFlags = 1;
    status.bMorePhysicalDriveFlags = 0x08;
    status.bDeviceType = 1;
    status.bEvenMoreDeviceFlags = 0x80;
    ReadPhysicalDriveInfo::publishDriveInfo(drive, status);
    EXPECT_EQ(value(drive, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_PREDICTIVE_FAILURE);
    EXPECT_EQ(value(drive, ATTR_NAME_NCQ_CAPABLE), ATTR_VALUE_NCQ_CAPABLE_FALSE);
    EXPECT_FALSE(drive.hasAttribute(ATTR_NAME_NCQ_ENABLED)) << "enabled is read only for a capable drive";
    EXPECT_STREQ(ReadPhysicalDriveInfo::interfaceName(9), ATTR_VALUE_INTERFACE_UNKNOWN);
}

} // namespace
