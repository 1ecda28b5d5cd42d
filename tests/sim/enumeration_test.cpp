// The library's enumeration and information calls as the tool's discovery
// walks them: what a logical drive's handle tells, handles that name nothing,
// and the rescan and drop requests. What the presets hold is seen in the
// end-to-end transcripts.
#include "controller/bmiclayouts.h"
#include "tests/sim/simlibrary.h"

namespace {

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
