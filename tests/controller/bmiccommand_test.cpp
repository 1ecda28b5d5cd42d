#include "controller/bmiccommand.h"

#include "controller/bmiccommands.h"
#include "controller/concretebmicdevice.h"
#include "controller/executecommand.h"
#include "core/modelterms.h"
#include "tests/controller/fakeimgr.h"

namespace {

namespace Terms = Core::ModelTerms;

class BmicCommandTest : public FakeImgr::Test {
protected:
    ConcreteBMICDevice local{0x10, false, 32, 128, false};
    ConcreteBMICDevice remote{0x20, true, 32, 128, false};

    const ImgrBmicRecord lastRecord() const { return fake().calls.back().as<ImgrBmicRecord>(); }
};

FakeImgr::ControlHandler lowLevel(ImgrStatus status)
{
    return [=](const FakeImgr::ControlCall&, void*) { return status; };
}

TEST_F(BmicCommandTest, SenseCommandFillsItsBufferFromTheController)
{
    fake().control = [](const FakeImgr::ControlCall&, void* record) {
        auto* bmic = static_cast<ImgrBmicRecord*>(record);
        auto* identify = static_cast<IDENTIFY_CONTROLLER*>(bmic->pData);
        identify->dwBoardID = 0x40910E11;
        identify->bConfiguredLogicalDrives = 3;
        return IMGR_STATUS_OK;
    };
    SenseControllerCommand<IdentifyControllerTrait> identify;
    EXPECT_TRUE(identify(local));
    EXPECT_EQ(+identify.result().dwBoardID, 0x40910E11u);
    EXPECT_EQ(+identify.result().bConfiguredLogicalDrives, 3);
    const ImgrBmicRecord record = lastRecord();
    EXPECT_EQ(+record.bCommand, 0x11);
    EXPECT_EQ(+record.dwDataLength, sizeof(IDENTIFY_CONTROLLER));
    EXPECT_EQ(fake().calls.back().direction, IMGR_BMIC_DIRECTION_FROM_CONTROLLER);
}

TEST_F(BmicCommandTest, UnderrunCountsAsSuccessOnlyForSetCommands)
{
    fake().control = lowLevel(IMGR_STATUS_BUFFER_UNDERRUN);
    SetControllerCommand<SetControllerCacheConfigStatusTrait> set(CACHE_CONFIG_STATUS{});
    EXPECT_TRUE(set(local));

    SenseControllerCommand<SenseControllerCacheConfigStatusTrait> sense;
    EXPECT_FALSE(sense(local));
    EXPECT_EQ(static_cast<std::uint32_t>(sense.i32LowLevelStatus()), IMGR_STATUS_BUFFER_UNDERRUN);
}

TEST_F(BmicCommandTest, CommandStatusTwoOrThreeSucceedsWithTheStatusKept)
{
    for (std::uint16_t commandStatus : {2, 3}) {
        fake().control = FakeImgr::bmicAnswer(commandStatus, 2, 5, 0x24, 1);
        NoTransferLogicalDriveCommand<BypassVolumeStateTrait> bypass(4);
        EXPECT_TRUE(bypass(local));
        EXPECT_FALSE(bypass.sent());
        EXPECT_EQ(bypass.wCommandStatus(), commandStatus);
        EXPECT_EQ(bypass.bScsiStatus(), 2);
        EXPECT_EQ(bypass.bSenseKey(), 5);
        EXPECT_EQ(bypass.bASC(), 0x24);
        EXPECT_EQ(bypass.bASCQ(), 1);
    }
    fake().control = FakeImgr::bmicAnswer(1, 2, 5, 0x24, 1);
    NoTransferLogicalDriveCommand<BypassVolumeStateTrait> bypass(4);
    EXPECT_FALSE(bypass(local));
}

TEST_F(BmicCommandTest, PersistentUnitAttentionEndsAfterSixtyOneAttempts)
{
    fake().control = FakeImgr::bmicAnswer(0, 2, 6);
    SenseControllerCommand<IdentifyControllerTrait> identify;
    EXPECT_FALSE(identify(local));
    EXPECT_EQ(fake().calls.size(), BmicCommand::MAX_ATTEMPTS);
    EXPECT_EQ(fake().retryWaits, 60);
    EXPECT_EQ(identify.bScsiStatus(), 2);
    EXPECT_EQ(identify.bSenseKey(), 6);
}

TEST_F(BmicCommandTest, NotReadyIsRetriedUntilTheControllerAnswers)
{
    int answers = 0;
    fake().control = [&answers](const FakeImgr::ControlCall& call, void* record) {
        if (++answers == 3)
            return IMGR_STATUS_OK;
        return FakeImgr::bmicAnswer(0, 0, 2, 4)(call, record); // not ready, no SCSI status
    };
    SenseControllerCommand<IdentifyControllerTrait> identify;
    EXPECT_TRUE(identify(local));
    EXPECT_EQ(answers, 3);
    EXPECT_EQ(fake().retryWaits, 2);
    EXPECT_EQ(identify.bSenseKey(), 0); // nothing of the earlier attempts is left
}

TEST_F(BmicCommandTest, PhysicalDriveAddressingAndRemoteReversalHappenOnce)
{
    SensePhysicalDriveCommand<IdentifyPhysicalDriveTrait> identify(0x0183);
    EXPECT_TRUE(identify(local));
    EXPECT_EQ(+lastRecord().dwDetail, PACK_BMIC_DETAIL(0x83, 0, 0, 0));
    EXPECT_EQ(+lastRecord().wUnit, 0x0100);

    SensePhysicalDriveCommand<IdentifyPhysicalDriveTrait> throughRemote(0x0005);
    EXPECT_TRUE(throughRemote(remote));
    EXPECT_EQ(+lastRecord().dwDetail, 0x05u);
    EXPECT_TRUE(throughRemote(remote));
    EXPECT_EQ(+lastRecord().dwDetail, 0x05u);
}

TEST_F(BmicCommandTest, LogicalDriveAndNoTransferAddressing)
{
    READ_WRITE_BUFFER block{};
    block.ARRAY[0] = 0x55;
    SetLogicalDriveCommand<WriteLogicalDriveTrait> write(7, block, 1234);
    EXPECT_TRUE(write(local));
    EXPECT_EQ(+lastRecord().wUnit, 7);
    EXPECT_EQ(+lastRecord().dwDetail, 1234u);
    EXPECT_EQ(static_cast<std::uint8_t*>(lastRecord().pData)[0], 0x55);
    EXPECT_EQ(fake().calls.back().direction, IMGR_BMIC_DIRECTION_TO_CONTROLLER);

    NoTransferControllerCommand<DisableOtherControllerTrait> disable;
    EXPECT_TRUE(disable(local));
    EXPECT_EQ(+lastRecord().pData, nullptr);
    EXPECT_EQ(+lastRecord().dwDataLength, 0u);
    EXPECT_EQ(fake().calls.back().direction, IMGR_BMIC_DIRECTION_NONE);
}

// ---- executeCommand ------------------------------------------------------------------------

TEST_F(BmicCommandTest, ExecuteLeavesAFailedResultAlone)
{
    Core::OperationReturn result(Terms::ATTR_VALUE_STATUS_FAILURE);
    SenseControllerCommand<IdentifyControllerTrait> identify;
    EXPECT_TRUE(executeCommand(identify, local, result));
    EXPECT_TRUE(fake().calls.empty());
    EXPECT_FALSE(result.hasAttribute(Terms::ATTR_NAME_SCSI_STATUS));
    EXPECT_EQ(result.status(), Terms::ATTR_VALUE_STATUS_FAILURE);
}

TEST_F(BmicCommandTest, ExecutePublishesACheckConditionAsAFailure)
{
    fake().control = FakeImgr::bmicAnswer(1, 2, 5, 0x20, 0);
    Core::OperationReturn result;
    SenseControllerCommand<IdentifyControllerTrait> identify;
    EXPECT_FALSE(executeCommand(identify, local, result));
    EXPECT_EQ(result.getValueFor(Terms::ATTR_NAME_SCSI_COMMAND_STATUS), "1");
    EXPECT_EQ(result.getValueFor(Terms::ATTR_NAME_SCSI_STATUS), "2");
    EXPECT_EQ(result.getValueFor(Terms::ATTR_NAME_SCSI_SENSE_KEY), "5");
    EXPECT_EQ(result.getValueFor(Terms::ATTR_NAME_SCSI_ASC), "32");
    EXPECT_EQ(result.getValueFor(Terms::ATTR_NAME_SCSI_ASCQ), "0");
    EXPECT_EQ(result.status(), Terms::ATTR_VALUE_STATUS_FAILURE);
}

TEST_F(BmicCommandTest, ExecuteDescribesLowLevelFailuresAndSuccess)
{
    fake().control = lowLevel(0x80001234);
    Core::OperationReturn failed;
    SenseControllerCommand<IdentifyControllerTrait> identify;
    EXPECT_FALSE(executeCommand(identify, local, failed));
    EXPECT_EQ(failed.status(), "ATTR_VALUE_STATUS_COMMUNICATION_ERROR");

    fake().control = FakeImgr::bmicAnswer(0, 0);
    Core::OperationReturn fine;
    EXPECT_TRUE(executeCommand(identify, local, fine));
    EXPECT_TRUE(static_cast<bool>(fine));
    EXPECT_FALSE(fine.hasAttribute(Terms::ATTR_NAME_SCSI_STATUS));
}

} // namespace
