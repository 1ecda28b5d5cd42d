#include "controller/concretescsidevice.h"

#include "tests/controller/fakeimgr.h"

namespace {

using ConcreteSCSIDeviceTest = FakeImgr::Test;

const std::uint8_t kInquiry[6] = {0x12, 0, 0, 0, 95, 0};

SCSIDevice::SCSIRequest requestOf(SCSIDevice::EnTransferType type, std::uint8_t* sense)
{
    SCSIDevice::SCSIRequest request;
    request.eTransferType = type;
    request.pCdb = kInquiry;
    request.bCdbLength = sizeof(kInquiry);
    request.pSense = sense;
    request.dwSenseLength = 32;
    return request;
}

// Answers the SCSI address class with the given flags.
FakeImgr::InfoHandler addressFlags(std::uint32_t flags, ImgrStatus status = IMGR_STATUS_OK)
{
    return [=](ImgrHandle, std::uint32_t infoClass, void* buffer, std::uint32_t* length) {
        if (infoClass != IMGR_INFO_SCSI_ADDRESS || *length < sizeof(ImgrScsiAddressInfo)) {
            return IMGR_STATUS_INVALID_REQUEST;
        }
        static_cast<ImgrScsiAddressInfo*>(buffer)->dwFlags = flags;
        return status;
    };
}

TEST_F(ConcreteSCSIDeviceTest, DirectionsFollowTheTransferType)
{
    std::uint8_t sense[32] = {};
    fake().getInfo = addressFlags(IMGR_SCSI_ADDRESS_SPECIAL_PATH);
    ConcreteSCSIDevice channel(5);
    const std::pair<SCSIDevice::EnTransferType, std::uint32_t> directions[] = {
        {SCSIDevice::TRANSFER_IN, 1},
        {SCSIDevice::TRANSFER_OUT, 2},
        {SCSIDevice::TRANSFER_SPECIAL_IN, 0x51},
        {SCSIDevice::TRANSFER_SPECIAL_OUT, 0x52},
        {SCSIDevice::TRANSFER_NONE, 3},
    };
    for (auto [type, direction] : directions) {
        auto request = requestOf(type, sense);
        EXPECT_TRUE(channel.sendSCSICommand(request));
        EXPECT_EQ(fake().calls.back().direction, direction);
        EXPECT_EQ(fake().calls.back().code, IMGR_CONTROL_SCSI);
        EXPECT_EQ(fake().calls.back().length, sizeof(ImgrScsiRecord));
        EXPECT_EQ(fake().calls.back().cdb, std::vector<std::uint8_t>(kInquiry, kInquiry + 6));
    }
}

TEST_F(ConcreteSCSIDeviceTest, SpecialPathIsGatedByTheAddressInformation)
{
    std::uint8_t sense[32] = {};
    ConcreteSCSIDevice channel(5);
    for (auto type : {SCSIDevice::TRANSFER_SPECIAL_IN, SCSIDevice::TRANSFER_SPECIAL_OUT}) {
        fake().getInfo = addressFlags(0x1); // other bits only
        auto request = requestOf(type, sense);
        EXPECT_FALSE(channel.sendSCSICommand(request));
        fake().getInfo = addressFlags(IMGR_SCSI_ADDRESS_SPECIAL_PATH, IMGR_STATUS_INVALID_HANDLE);
        EXPECT_FALSE(channel.sendSCSICommand(request));
    }
    EXPECT_TRUE(fake().calls.empty());
}

TEST_F(ConcreteSCSIDeviceTest, StatusComesBackAndScsiStatusFailsTheSend)
{
    std::uint8_t sense[32] = {};
    fake().control = [](const FakeImgr::ControlCall&, void* record) {
        auto* scsi = static_cast<ImgrScsiRecord*>(record);
        scsi->bScsiStatus = 2;
        scsi->wCommandStatus = 1;
        scsi->dwSenseLength = 64; // more than offered
        return IMGR_STATUS_OK;
    };
    ConcreteSCSIDevice channel(5);
    auto request = requestOf(SCSIDevice::TRANSFER_IN, sense);
    EXPECT_FALSE(channel.sendSCSICommand(request));
    EXPECT_EQ(request.bScsiStatus, 2);
    EXPECT_EQ(request.wCommandStatus, 1);
    EXPECT_EQ(request.dwSenseLength, 32u);
}

TEST_F(ConcreteSCSIDeviceTest, RescanAsksTheLibraryThenScansTheBus)
{
    fake().getInfo = addressFlags(IMGR_SCSI_ADDRESS_SPECIAL_PATH);
    ConcreteSCSIDevice channel(5);
    EXPECT_TRUE(channel.rescanScsiBus());
    EXPECT_EQ(fake().setInfoClasses, std::vector<std::uint32_t>{IMGR_SET_RESCAN_SCSI_BUS});
    ASSERT_EQ(fake().calls.size(), 1u);
    EXPECT_EQ(fake().calls[0].cdb.size(), 16u);
    EXPECT_EQ(fake().calls[0].cdb[0], 0x02);

    fake().setInfo = [](ImgrHandle, std::uint32_t, void*, std::uint32_t*) { return IMGR_STATUS_INVALID_HANDLE; };
    EXPECT_FALSE(channel.rescanScsiBus());
    EXPECT_EQ(fake().calls.size(), 1u);
}

} // namespace
