#include "controller/concretebmicdevice.h"

#include "tests/controller/fakeimgr.h"

namespace {

using ConcreteBMICDeviceTest = FakeImgr::Test;

BMICDevice::BMICRequest requestOf(BMICDevice::EnTransferType type, std::uint8_t* data, std::uint8_t* sense)
{
    BMICDevice::BMICRequest request;
    request.eTransferType = type;
    request.bCommand = 0x64;
    request.dwDetail = 0x01020304;
    request.wUnit = 0x0500;
    request.pData = data;
    request.dwDataLength = 512;
    request.dwTimeout = 9;
    request.pSense = sense;
    request.dwSenseLength = 32;
    request.dwExtra = 77;
    return request;
}

TEST_F(ConcreteBMICDeviceTest, RequestReachesTheLibraryAsOneRecordWithItsDirection)
{
    std::uint8_t data[512] = {};
    std::uint8_t sense[32] = {};
    ConcreteBMICDevice channel(0x31, false, 32, 128, false);
    const std::pair<BMICDevice::EnTransferType, std::uint32_t> directions[] = {
        {BMICDevice::TRANSFER_FROM_CONTROLLER, 1},
        {BMICDevice::TRANSFER_TO_CONTROLLER, 2},
        {BMICDevice::TRANSFER_NONE, 3},
    };
    for (auto [type, direction] : directions) {
        auto request = requestOf(type, data, sense);
        EXPECT_TRUE(channel.sendBMICCommand(request));
        const FakeImgr::ControlCall& call = fake().calls.back();
        EXPECT_EQ(call.direction, direction);
        EXPECT_EQ(call.handle, 0x31u);
        EXPECT_EQ(call.code, IMGR_CONTROL_BMIC);
        EXPECT_EQ(call.length, sizeof(ImgrBmicRecord));
    }
    const auto record = fake().calls.back().as<ImgrBmicRecord>();
    EXPECT_EQ(+record.bCommand, 0x64);
    EXPECT_EQ(+record.dwDetail, 0x01020304u);
    EXPECT_EQ(+record.wUnit, 0x0500);
    EXPECT_EQ(+record.pData, data);
    EXPECT_EQ(+record.dwDataLength, 512u);
    EXPECT_EQ(+record.dwTimeout, 9u);
    EXPECT_EQ(+record.pSense, sense);
    EXPECT_EQ(+record.dwSenseLength, 32u);
    EXPECT_EQ(+record.dwExtra, 77u);
}

TEST_F(ConcreteBMICDeviceTest, NonZeroScsiStatusFailsEvenThoughTheLibrarySucceeded)
{
    std::uint8_t sense[32] = {};
    fake().control = FakeImgr::bmicAnswer(1, 2, 6);
    ConcreteBMICDevice channel(1, false, 32, 128, false);
    auto request = requestOf(BMICDevice::TRANSFER_NONE, nullptr, sense);
    EXPECT_FALSE(channel.sendBMICCommand(request));
    EXPECT_EQ(request.bScsiStatus, 2);
    EXPECT_EQ(request.wCommandStatus, 1);
    EXPECT_EQ(request.dwSenseLength, 18u);
    EXPECT_EQ(request.dwLowLevelStatus, 0u);
}

TEST_F(ConcreteBMICDeviceTest, LibraryFailureBecomesLowLevelStatusAndSenseLengthStaysBounded)
{
    std::uint8_t sense[32] = {};
    ConcreteBMICDevice channel(1, false, 32, 128, false);
    fake().control = [](const FakeImgr::ControlCall&, void*) { return IMGR_STATUS_BUFFER_OVERRUN; };
    auto request = requestOf(BMICDevice::TRANSFER_FROM_CONTROLLER, nullptr, sense);
    EXPECT_FALSE(channel.sendBMICCommand(request));
    EXPECT_EQ(request.dwLowLevelStatus, IMGR_STATUS_BUFFER_OVERRUN);

    fake().control = [](const FakeImgr::ControlCall&, void* record) {
        static_cast<ImgrBmicRecord*>(record)->dwSenseLength = 0xFFFFFFFF;
        return IMGR_STATUS_OK;
    };
    request = requestOf(BMICDevice::TRANSFER_FROM_CONTROLLER, nullptr, sense);
    EXPECT_TRUE(channel.sendBMICCommand(request));
    EXPECT_EQ(request.dwSenseLength, 32u);
}

} // namespace
