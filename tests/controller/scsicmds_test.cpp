#include "controller/scsicmds.h"

#include "controller/concretescsidevice.h"
#include "controller/scsiservices.h"
#include "tests/controller/fakeimgr.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class ScsiCommandsTest : public FakeImgr::Test {
protected:
    ConcreteSCSIDevice channel{0x50};

    // Answers every read with `reply`, cut to the length the request offers.
    void replyWith(const Bytes& reply)
    {
        fake().control = [reply](const FakeImgr::ControlCall&, void* record) {
            auto* scsi = static_cast<ImgrScsiRecord*>(record);
            const std::size_t n = std::min<std::size_t>(reply.size(), scsi->dwDataLength);
            std::copy_n(reply.begin(), n, static_cast<std::uint8_t*>(scsi->pData));
            return IMGR_STATUS_OK;
        };
    }
};

TEST_F(ScsiCommandsTest, FixedCommandBlocks)
{
    const std::pair<CdbCommand*, Bytes> blocks[] = {
        {new SCSIRead10(0x01020304), {0x28, 0, 1, 2, 3, 4, 0, 0, 1, 0}},
        {new ReportStandardInquiry, {0x12, 0, 0, 0, 95, 0}},
        {new VPDPage80, {0x12, 1, 0x80, 0, 128, 0}},
        {new VolumeIdentification, {0x12, 1, 0x83, 0, 157, 0}},
        {new TestUnitReady, {0, 0, 0, 0, 0, 0}},
        {new ReadChassisSerialNumber, {0x08, 0, 0, 0x93, 0x20, 0}},
        {new WriteChassisSerialNumber({'A', 'B'}), {0x0A, 0xE0, 0, 0x93, 0x20, 0}},
        {new ReadSwitchConfiguration, {0x3C, 0, 1, 0, 0, 0, 0x60, 0x01, 0, 0}},
        {new WriteSwitchConfiguration({}), {0x3B, 0, 1, 0, 0, 0, 0x60, 0x01, 0, 0}},
        {new ModeSelect6(nullptr, 0), {0x15, 0, 0, 0, 0, 0}},
    };
    for (const auto& [command, expected] : blocks) {
        fake().calls.clear();
        EXPECT_TRUE((*command)(channel));
        ASSERT_EQ(fake().calls.size(), 1u);
        EXPECT_EQ(fake().calls[0].cdb, expected);
        delete command;
    }
}

TEST_F(ScsiCommandsTest, ServiceCommandsCarryKeyAndLength)
{
    SSP2ReportACL report;
    report.SSPKeyIs({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_TRUE(report(channel));
    // The allocation length is 61160 bytes.
    const Bytes expected{
        SCSI_OPCODE_REPORT_SERVICE, SCSI_SERVICE_SSP2_ACL, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0xEE, 0xE8, 0, 0};
    EXPECT_EQ(fake().calls.back().cdb, expected);

    MaintainHostAttributes maintain(2);
    EXPECT_TRUE(maintain(channel));
    const Bytes& cdb = fake().calls.back().cdb;
    EXPECT_EQ(cdb[0], SCSI_OPCODE_MANAGE_SERVICE);
    EXPECT_EQ(cdb[13], 28 + 2 * 40);
    EXPECT_EQ(fake().calls.back().direction, IMGR_SCSI_DIRECTION_OUT);
}

TEST_F(ScsiCommandsTest, WriteEndingInUnderrunSucceedsReadDoesNot)
{
    fake().control = [](const FakeImgr::ControlCall&, void*) { return IMGR_STATUS_BUFFER_UNDERRUN; };
    WriteChassisSerialNumber write({'S', 'N'});
    EXPECT_TRUE(write(channel));
    ReadChassisSerialNumber read;
    EXPECT_FALSE(read(channel));
}

TEST_F(ScsiCommandsTest, CheckConditionIsRecordedWithoutRetry)
{
    fake().control = [](const FakeImgr::ControlCall&, void* record) {
        auto* scsi = static_cast<ImgrScsiRecord*>(record);
        scsi->bScsiStatus = 2;
        static_cast<std::uint8_t*>(scsi->pSense)[2] = 6;
        return IMGR_STATUS_OK;
    };
    TestUnitReady ready;
    EXPECT_FALSE(ready(channel));
    EXPECT_EQ(fake().calls.size(), 1u);
    EXPECT_EQ(ready.bSenseKey(), 6);
}

TEST_F(ScsiCommandsTest, PhysicalLunsAreAskedForInTwoSends)
{
    Bytes reply{0, 0, 0, 48, 2, 0, 0, 0};
    for (std::uint8_t i = 0; i < 48; ++i)
        reply.push_back(i);
    replyWith(reply);
    ReportPhysicalLunsType2 luns;
    EXPECT_TRUE(luns(channel));
    ASSERT_EQ(fake().calls.size(), 2u);
    EXPECT_EQ(fake().calls[0].cdb, (Bytes{0xC3, 0x02, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0}));
    EXPECT_EQ(fake().calls[1].cdb[9], 56);
    ASSERT_EQ(luns.size(), 2u);
    EXPECT_EQ((*luns.begin())[0], 0);
    EXPECT_EQ((*std::next(luns.begin()))[23], 47);
}

TEST_F(ScsiCommandsTest, PhysicalLunReportWithABadHeaderYieldsNothing)
{
    for (const Bytes& header : {Bytes{0, 0, 0, 24, 1, 0, 0, 0}, Bytes{0xFF, 0xFF, 0xFF, 0xF8, 2}}) {
        fake().calls.clear();
        replyWith(header);
        ReportPhysicalLunsType2 luns;
        EXPECT_FALSE(luns(channel));
        EXPECT_EQ(luns.size(), 0u);
        EXPECT_EQ(fake().calls.size(), 1u);
        EXPECT_EQ(luns.statusDescription(), "ATTR_VALUE_STATUS_FAILURE");
    }
}

// Serves an auto-revision page four bytes at a time.
FakeImgr::ControlHandler autoRevisionPage(Bytes page)
{
    page.resize(ReadAutoRevNumber::PAGE_SIZE + 4);
    auto offset = std::make_shared<std::uint8_t>(0);
    return [page, offset](const FakeImgr::ControlCall& call, void* record) {
        auto* scsi = static_cast<ImgrScsiRecord*>(record);
        auto* data = static_cast<std::uint8_t*>(scsi->pData);
        if (call.cdb[0] == 0x0A) {
            *offset = data[3];
        } else {
            std::copy_n(page.begin() + *offset, 4, data + 3);
        }
        return IMGR_STATUS_OK;
    };
}

TEST_F(ScsiCommandsTest, AutoRevisionIsTheByteThreePlacesAfterTheMarker)
{
    Bytes page(40, 'x');
    page[30] = 's';
    page[33] = 0x42;
    fake().control = autoRevisionPage(page);
    ReadAutoRevNumber revision;
    EXPECT_TRUE(revision(channel));
    EXPECT_EQ(revision.revision(), 0x42);
    EXPECT_EQ(fake().calls.size(), 2u * 64);
}

TEST_F(ScsiCommandsTest, AutoRevisionMarkerAtTheEndOfThePageIsNotReadPast)
{
    Bytes page(ReadAutoRevNumber::PAGE_SIZE, 'x');
    page[254] = 's';
    fake().control = autoRevisionPage(page);
    ReadAutoRevNumber revision;
    EXPECT_FALSE(revision(channel));
    EXPECT_EQ(revision.revision(), 0);
}

TEST_F(ScsiCommandsTest, OversizedFirmwareImageIsRefused)
{
    const std::uint8_t image[4] = {1, 2, 3, 4};
    FlashSEPFirmware small(1, image, sizeof(image));
    EXPECT_TRUE(small(channel));
    EXPECT_EQ(fake().calls.back().cdb, (Bytes{0x3B, 7, 0, 0, 0, 0, 0, 0, 4, 0}));

    FlashSEPFirmware huge(0, image, FlashSEPFirmware::MAX_IMAGE_LENGTH + 1);
    EXPECT_FALSE(huge(channel));
    EXPECT_EQ(fake().calls.size(), 1u);
}

TEST_F(ScsiCommandsTest, GarbageAnswersAreSurvived)
{
    for (unsigned seed = 0; seed < 200; ++seed) {
        fake().control = FakeImgr::garbage(seed);
        ReportPhysicalLunsType2 luns;
        luns(channel);
        EXPECT_LE(luns.size(), ReportPhysicalLunsType2::MAX_ENTRIES);
        ReadAutoRevNumber revision;
        revision(channel);
        SSP2ReportACL acl;
        acl(channel);
        EXPECT_EQ(acl.data().size(), SCSI_SSP2_ACL_LENGTH);
        EXPECT_FALSE(luns.statusDescription().empty());
    }
}

} // namespace
