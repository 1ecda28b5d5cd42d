// What each preset looks like through the library's enumeration and
// information calls, as the tool's discovery walks them.
#include "controller/bmiclayouts.h"
#include "controller/modeltable.h"
#include "tests/sim/simlibrary.h"

#include <bitset>

namespace {

std::string text(const char* field, size_t n) { return std::string(field, strnlen(field, n)); }

TEST(Enumeration, ServerPresetShowsTwoLocalControllersWithTheirLogicalDrives)
{
    TempState state("server");
    SimLibrary lib;
    ASSERT_EQ(lib.init(), IMGR_STATUS_OK);
    std::vector<ImgrHandle> controllers = lib.localControllers();
    ASSERT_EQ(controllers.size(), 2u);
    std::vector<size_t> logicalDrives;
    for (ImgrHandle h : controllers) {
        ImgrHostDeviceInfo host;
        ASSERT_EQ(lib.info(h, IMGR_INFO_HOST_DEVICE, host), IMGR_STATUS_OK);
        EXPECT_EQ(+host.wDeviceType, 2);
        EXPECT_GT(+host.dwBoardID, 0x0E11406Fu);
        EXPECT_FALSE(ModelTable::keyOfBoardId(host.dwBoardID).empty());
        CONTROLLER_PARAMETERS params;
        EXPECT_TRUE(lib.sense(h, 0x64, params).ok());
        logicalDrives.push_back(lib.children(h, IMGR_ENUM_LOGICAL_DRIVES).size());
    }
    EXPECT_EQ(logicalDrives, (std::vector<size_t>{1, 4}));
    EXPECT_TRUE(lib.adapters().empty());
}

TEST(Enumeration, LogicalDriveHandlesCarryNumberAccessNameAndInUseFlag)
{
    TempState state("server");
    SimLibrary lib;
    ImgrHandle embedded = lib.localControllers().at(0);
    ImgrHandle boot = lib.children(embedded, IMGR_ENUM_LOGICAL_DRIVES).at(0);
    ImgrDriveNumberInfo number;
    ImgrAccessNameInfo access;
    ASSERT_EQ(lib.info(boot, IMGR_INFO_DRIVE_NUMBER, number), IMGR_STATUS_OK);
    ASSERT_EQ(lib.info(boot, IMGR_INFO_ACCESS_NAME, access), IMGR_STATUS_OK);
    EXPECT_EQ(number.bDriveNumber, 0);
    EXPECT_STREQ(access.szAccessName, "/dev/sda");
    EXPECT_EQ(access.bFlags & IMGR_ACCESS_NAME_IN_USE, IMGR_ACCESS_NAME_IN_USE);
}

TEST(Enumeration, ExternalPresetIsOneStorageSystemBehindTwoAdaptersWithOneActiveController)
{
    TempState state("external");
    SimLibrary lib;
    EXPECT_TRUE(lib.localControllers().empty());
    std::vector<ImgrHandle> adapters = lib.adapters();
    ASSERT_EQ(adapters.size(), 2u);
    std::vector<std::string> chassis;
    int active = 0;
    for (ImgrHandle adapter : adapters) {
        ImgrFibreDeviceInfo fibre;
        ASSERT_EQ(lib.info(adapter, IMGR_INFO_FIBRE_DEVICE, fibre), IMGR_STATUS_OK);
        std::vector<ImgrHandle> remote = lib.children(adapter, IMGR_ENUM_REMOTE_CONTROLLERS);
        ASSERT_EQ(remote.size(), 1u);
        ImgrRemoteDeviceInfo info;
        ASSERT_EQ(lib.info(remote[0], IMGR_INFO_REMOTE_DEVICE, info), IMGR_STATUS_OK);
        EXPECT_EQ(+info.wDeviceType, 12);
        EXPECT_EQ(info.bPort, 0) << "each controller hangs on the first port of its adapter";
        EXPECT_EQ(std::string(info.szDeviceText, 16), "ARRAY CONTROLLER");
        SUBSYSTEM_PARAMETERS subsystem;
        REDUNDANT_CONTROLLER_PARAMETERS redundancy;
        ASSERT_TRUE(lib.sense(remote[0], 0x66, subsystem).ok());
        ASSERT_TRUE(lib.sense(remote[0], 0x82, redundancy).ok());
        chassis.push_back(text(subsystem.sChassisSerialNumber, 32));
        EXPECT_EQ(std::vector<std::uint8_t>(subsystem.sNodeName, subsystem.sNodeName + 8),
                  (std::vector<std::uint8_t>{0x5a, 0x0e, 0x0d, 0x10, 0x05, 0x11, 0x01, 0x70}))
            << "the node name is the storage system's world-wide name";
        active += redundancy.bSlotControl & 1;
        EXPECT_EQ(lib.children(remote[0], IMGR_ENUM_LOGICAL_DRIVES).size(), 2u);
    }
    EXPECT_EQ(chassis[0], "SGV0511017");
    EXPECT_EQ(chassis[0], chassis[1]);
    EXPECT_EQ(active, 1);
}

// The status reply of drive `index` of a preset's local controller `controller`.
PHYSICAL_DRIVE_STATUS driveStatus(const char* preset, size_t controller, std::uint16_t index)
{
    TempState state(preset);
    SimLibrary lib;
    PHYSICAL_DRIVE_STATUS drive{};
    EXPECT_TRUE(
        lib.sense(lib.localControllers().at(controller), 0x15, drive, driveDetail(index), driveUnit(index)).ok());
    return drive;
}

TEST(Enumeration, DrivesReportTheScsiAddressTheirLocationOrDriveIndexGives)
{
    const PHYSICAL_DRIVE_STATUS scsi = driveStatus("scsi", 0, 5);
    EXPECT_EQ(scsi.bSCSIBus, 1) << "the profile's drive 2:1: buses count from 1 there, from 0 in the firmware";
    EXPECT_EQ(scsi.bSCSIID, 1);
    EXPECT_EQ(scsi.bPhysicalBox, 255);
    EXPECT_EQ(scsi.bDeviceType, 0);

    const PHYSICAL_DRIVE_STATUS tape = driveStatus("server", 1, 11);
    EXPECT_EQ(text(tape.sPhysicalPort, 2), "2E");
    EXPECT_EQ(tape.bSCSIBus, 0);
    EXPECT_EQ(tape.bSCSIID, 11) << "the tape drive is drive index 11: bus 0, id 11, 16 indexes a bus";
}

TEST(Enumeration, HandlesThatNameNothingAreRefused)
{
    TempState state("small");
    SimLibrary lib;
    ImgrHostDeviceInfo host;
    ImgrHandle child = 0;
    EXPECT_EQ(lib.info(0x3FFF0000u, IMGR_INFO_HOST_DEVICE, host), IMGR_STATUS_INVALID_HANDLE);
    EXPECT_EQ(lib.info(0, IMGR_INFO_HOST_DEVICE, host), IMGR_STATUS_INVALID_HANDLE);
    ImgrHandle controller = lib.localControllers().at(0);
    EXPECT_EQ(lib.enumerate(controller, IMGR_ENUM_LOGICAL_DRIVES, 0, &child, 0, 0), IMGR_STATUS_NO_MORE_OBJECTS);
    std::uint32_t small = 4;
    EXPECT_EQ(lib.getInfo(controller, IMGR_INFO_HOST_DEVICE, 0, &host, &small), IMGR_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(small, sizeof host);
}

TEST(Enumeration, RescanAndDropAreAcceptedWhereTheyApply)
{
    TempState state("server");
    SimLibrary lib;
    ImgrHandle controller = lib.localControllers().at(0);
    ImgrHandle boot = lib.children(controller, IMGR_ENUM_LOGICAL_DRIVES).at(0);
    std::uint8_t zeros[10] = {};
    std::uint32_t length = sizeof zeros;
    EXPECT_EQ(lib.setInfo(controller, IMGR_SET_RESCAN_SCSI_BUS, 0, zeros, &length), IMGR_STATUS_OK);
    length = 2;
    EXPECT_EQ(lib.setInfo(boot, IMGR_SET_DROP_LOGICAL_DRIVE, 0, zeros, &length), IMGR_STATUS_OK);
    EXPECT_EQ(lib.setInfo(controller, IMGR_SET_DROP_LOGICAL_DRIVE, 0, zeros, &length), IMGR_STATUS_INVALID_REQUEST);
    EXPECT_EQ(lib.setInfo(0, IMGR_SET_EVENT_START, 0, nullptr, nullptr), IMGR_STATUS_OK);
    ImgrScsiAddressInfo address;
    ASSERT_EQ(lib.info(boot, IMGR_INFO_SCSI_ADDRESS, address), IMGR_STATUS_OK);
    EXPECT_EQ(address.dwFlags & IMGR_SCSI_ADDRESS_SPECIAL_PATH, IMGR_SCSI_ADDRESS_SPECIAL_PATH);
}

} // namespace
