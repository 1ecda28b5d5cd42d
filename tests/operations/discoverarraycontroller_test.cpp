// Location texts of controllers: which rule names a controller in this host, and how a
// controller inside a storage system is named by its path.
#include <gtest/gtest.h>

#include "operations/discoverarraycontroller.h"
#include "operations/discoverstoragesystem.h"

namespace {

using Operations::localLocationText;
using Operations::remoteLocationText;

constexpr std::uint32_t VARNEL_V30 = 0x40800E11;
constexpr std::uint32_t BRISK_12 = 0x40790E11; // the board whose slot texts end in "b"

ImgrHostDeviceInfo pciController(std::uint32_t board)
{
    ImgrHostDeviceInfo info{};
    info.wDeviceType = IMGR_DEVICE_TYPE_ARRAY_CONTROLLER;
    info.bBusType = 2;
    info.bAddressing = IMGR_ADDRESSING_NONE;
    info.wPciDomain = 1;
    info.bPciBus = 11;
    info.bPciDevice = 2;
    info.bPciFunction = 3;
    info.bSlot = 255;
    info.dwBoardID = board;
    return info;
}

TEST(LocalLocationText, SubsystemIdentifierWinsOverEveryAddress)
{
    ImgrHostDeviceInfo info = pciController(VARNEL_V30);
    info.bAddressing = IMGR_ADDRESSING_SLOT;
    info.bSlot = 4;
    EXPECT_EQ(localLocationText(info, "SGV0511017", 7), "SGV0511017");
    EXPECT_EQ(localLocationText(info, "", 7), "slot_4");
}

TEST(LocalLocationText, UnknownSlotFallsBackToThePciAddress)
{
    ImgrHostDeviceInfo info = pciController(VARNEL_V30);
    info.bAddressing = IMGR_ADDRESSING_SLOT;
    EXPECT_EQ(localLocationText(info, "", 7), "1_11_2_3");
    info.wPciDomain = IMGR_PCI_DOMAIN_UNKNOWN;
    EXPECT_EQ(localLocationText(info, "", 7), "11_2_3") << "a domain of 65535 is left out";
    info.bPciFunction = IMGR_PCI_BYTE_UNKNOWN;
    EXPECT_EQ(localLocationText(info, "", 7), "11_2");
}

TEST(LocalLocationText, CabinetAddressingNamesSixNumbers)
{
    ImgrHostDeviceInfo info = pciController(VARNEL_V30);
    info.bAddressing = IMGR_ADDRESSING_CABINET;
    info.bCabinet = 1;
    info.bCell = 2;
    info.bIoCabinet = 3;
    info.bIoChassis = 4;
    info.bIoBay = 5;
    info.bSlot = 6;
    EXPECT_EQ(localLocationText(info, "", 7), "slot_1_2_3_4_5_6");
    info.dwBoardID = BRISK_12;
    EXPECT_EQ(localLocationText(info, "", 7), "slot_1_2_3_4_5_6b");
}

TEST(LocalLocationText, SlotSuffixBelongsToOneBoardAndOnlyToSlotTexts)
{
    ImgrHostDeviceInfo info = pciController(BRISK_12);
    EXPECT_EQ(localLocationText(info, "", 7), "1_11_2_3");
    info.bAddressing = IMGR_ADDRESSING_SLOT;
    info.bSlot = 2;
    EXPECT_EQ(localLocationText(info, "", 7), "slot_2b");
}

TEST(LocalLocationText, WithoutAnyAddressTheHandleNamesTheController)
{
    ImgrHostDeviceInfo info = pciController(VARNEL_V30);
    info.bBusType = 4;
    EXPECT_EQ(localLocationText(info, "", 4711), "4711");
}

TEST(RemoteLocationText, PortOfTheAdapterIsAppendedWhenItHasPorts)
{
    Schema::StorageSystem::_STORAGE_SYSTEM_PATH path;
    path.hostBusAdapter = "HBA:4";
    path.controller = "E7VN100420A";
    EXPECT_EQ(remoteLocationText(path), "E7VN100420A");
    path.port = 0;
    EXPECT_EQ(remoteLocationText(path), "E7VN100420A_P0");
}

TEST(StorageSystemName, ControllerNamePartBecomesStorageSystemName)
{
    EXPECT_EQ(Operations::storageSystemName("ATTR_VALUE_CONTROLLER_NAME_CORVALE_1500"),
              "ATTR_VALUE_STORAGE_SYSTEM_NAME_CORVALE_1500");
}

} // namespace
