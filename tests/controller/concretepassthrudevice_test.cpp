#include "controller/concretepassthrudevice.h"

#include "controller/concretec5passthroughdevice.h"
#include "tests/controller/fakeimgr.h"

namespace {

using PassThroughTest = FakeImgr::Test;

TEST_F(PassThroughTest, AddressedRecordGoesToTheControllerHandle)
{
    ConcretePassThruDevice::_DEVICE_ADDRESS address;
    address.controllerHandle = 0x44;
    address.lunAddress = {1, 2, 3, 4, 5, 6, 7, 8};
    ConcretePassThruDevice channel(address);
    const std::uint8_t cdb[6] = {0x08, 0, 0, 0x93, 0x20, 0};
    std::uint8_t data[32] = {};
    SCSIDevice::SCSIRequest request;
    request.eTransferType = SCSIDevice::TRANSFER_SPECIAL_IN; // no special path here
    request.pCdb = cdb;
    request.bCdbLength = 6;
    request.pData = data;
    request.dwDataLength = sizeof(data);
    EXPECT_TRUE(channel.sendSCSICommand(request));
    ASSERT_EQ(fake().calls.size(), 1u);
    const FakeImgr::ControlCall& call = fake().calls[0];
    EXPECT_EQ(call.handle, 0x44u);
    EXPECT_EQ(call.code, IMGR_CONTROL_SCSI_BY_ADDRESS);
    EXPECT_EQ(call.direction, IMGR_SCSI_DIRECTION_NONE);
    EXPECT_EQ(call.length, sizeof(ImgrScsiAddressRecord));
    const auto record = call.as<ImgrScsiAddressRecord>();
    EXPECT_EQ(record.abLunAddress[0], 1);
    EXPECT_EQ(record.abLunAddress[7], 8);
    EXPECT_EQ(+record.scsi.dwDataLength, 32u);
    EXPECT_FALSE(channel.rescanScsiBus());
}

TEST_F(PassThroughTest, C5WrapperCarriesUpToThirteenBytes)
{
    ConcreteC5PassThroughDevice channel(0x21, 9);
    std::uint8_t cdb[14];
    for (std::uint8_t i = 0; i < sizeof(cdb); ++i)
        cdb[i] = static_cast<std::uint8_t>(0xA0 + i);
    SCSIDevice::SCSIRequest request;
    request.eTransferType = SCSIDevice::TRANSFER_OUT;
    request.pCdb = cdb;
    request.bCdbLength = 13;
    EXPECT_TRUE(channel.sendSCSICommand(request));
    ASSERT_EQ(fake().calls.size(), 1u);
    const std::vector<std::uint8_t>& sent = fake().calls[0].cdb;
    ASSERT_EQ(sent.size(), 16u);
    EXPECT_EQ(sent[0], 0xC5);
    EXPECT_EQ(sent[1], 9);
    EXPECT_EQ(sent[2], 0);
    EXPECT_EQ(sent[3], 0xA0);
    EXPECT_EQ(sent[15], 0xAC);
    EXPECT_EQ(fake().calls[0].direction, IMGR_SCSI_DIRECTION_OUT);

    request.bCdbLength = 14;
    EXPECT_FALSE(channel.sendSCSICommand(request));
    EXPECT_EQ(fake().calls.size(), 1u);

    BMICDevice::BMICRequest bmic;
    EXPECT_FALSE(channel.sendBMICCommand(bmic));
    EXPECT_EQ(channel.maxLogicalUnits(), 0);
}

} // namespace
