// Injected faults as the tool sees them through the library, and the control
// tool that injects them.
#include "controller/bmiclayouts.h"
#include "sim/faultcommands.h"
#include "tests/sim/simlibrary.h"

namespace {

int tool(const std::string& arguments)
{
    return std::system((std::string(VNLSIM_TOOL) + " " + arguments + " >/dev/null 2>&1").c_str());
}

struct ServerState {
    TempState state{"server"};
    SimLibrary lib;
    ImgrHandle controller = lib.localControllers().at(1);

    BmicResult identify()
    {
        IDENTIFY_CONTROLLER id;
        return lib.sense(controller, 0x11, id);
    }
};

TEST(Faults, CommunicationErrorFailsEveryCommandAtTheLibraryLevelUntilCleared)
{
    ServerState s;
    ASSERT_EQ(tool("comm-error slot3 on"), 0);
    EXPECT_EQ(s.identify().status, 0x80000001u);
    std::uint8_t inquiry[96];
    EXPECT_EQ(s.lib.scsi(s.controller, {0x12, 0, 0, 0, 96, 0}, inquiry, sizeof inquiry).status, 0x80000001u);
    IDENTIFY_CONTROLLER id;
    EXPECT_TRUE(s.lib.sense(s.lib.localControllers().at(0), 0x11, id).ok());
    ASSERT_EQ(tool("clear slot3"), 0);
    EXPECT_TRUE(s.identify().ok());
}

TEST(Faults, CountedCheckConditionsAndUnitAttentionsAreUsedUpOnePerCommand)
{
    ServerState s;
    ASSERT_EQ(tool("unit-attention slot3 2"), 0);
    ASSERT_EQ(tool("check-condition slot3 1"), 0);
    BmicResult first = s.identify();
    EXPECT_EQ(first.scsiStatus, 2);
    EXPECT_EQ(first.senseKey, 6);
    EXPECT_EQ(s.identify().senseKey, 6);
    BmicResult third = s.identify();
    EXPECT_EQ(third.scsiStatus, 2);
    EXPECT_EQ(third.senseKey, 4);
    EXPECT_TRUE(s.identify().ok());
}

TEST(Faults, CheckConditionsOnOneOpcodeLeaveOtherCommandsAlone)
{
    ServerState s;
    ASSERT_EQ(tool("check-condition-on slot3 0x11 1"), 0);
    LOGICAL_DRIVE_CONFIG config;
    EXPECT_TRUE(s.lib.sense(s.controller, 0x50, config, 0, 0).ok());
    BmicResult failed = s.identify();
    EXPECT_EQ(failed.scsiStatus, 2);
    EXPECT_EQ(failed.senseKey, 4);
    EXPECT_TRUE(s.identify().ok());
}

TEST(Faults, LockManagementReportsWhoHoldsTheStorageSystem)
{
    TempState state("external");
    SimLibrary lib;
    ImgrHandle remote = lib.children(lib.adapters().at(0), IMGR_ENUM_REMOTE_CONTROLLERS).at(0);
    std::uint32_t word = 99;
    ASSERT_TRUE(lib.sense(remote, 0xD4, word, 0x80002400u).ok());
    EXPECT_EQ(word, 1u);
    ASSERT_TRUE(lib.sense(remote, 0xD4, word, 0x80000000u).ok());
    EXPECT_EQ(word, 0u);
    ASSERT_EQ(tool("lock-other storage1 on"), 0);
    ASSERT_TRUE(lib.sense(remote, 0xD4, word, 0x80002400u).ok());
    EXPECT_EQ(word, 2u);
}

TEST(Faults, GarbageRepliesFillTheReplyBufferButNotTheStoredState)
{
    ServerState s;
    ASSERT_EQ(tool("garbage slot3 on"), 0);
    IDENTIFY_CONTROLLER a, b;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x11, a).ok());
    ASSERT_TRUE(s.lib.sense(s.controller, 0x11, b).ok());
    EXPECT_NE(std::memcmp(&a, &b, sizeof a), 0);
    ASSERT_EQ(tool("garbage slot3 off"), 0);
    ASSERT_TRUE(s.lib.sense(s.controller, 0x11, a).ok());
    EXPECT_EQ(a.bConfiguredLogicalDrives, 4);
}

TEST(Faults, PredictiveFailureShowsInDriveStatusAndMonitoring)
{
    ServerState s;
    ASSERT_EQ(tool("predict-drive slot3 2E:1:6"), 0);
    PHYSICAL_DRIVE_STATUS drive;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x15, drive, driveDetail(9), driveUnit(9)).ok());
    EXPECT_EQ(drive.bMorePhysicalDriveFlags & 0x02, 0x02);
    EXPECT_EQ(drive.bPhysicalDriveFlags & 1, 1);
    SENSE_MNP_VIOLATIONS violations;
    ASSERT_TRUE(s.lib.sense(s.controller, 0xA3, violations).ok());
    EXPECT_EQ(violations.bDriveStatus[9], 1);
}

TEST(Faults, MutedDriveFailsItsCommandsAsAMissingDriveDoesUntilItAnswersAgain)
{
    ServerState s;
    const std::uint16_t muted = 8, neighbour = 9, missing = 99; // 2E:1:5, 2E:1:6, no drive
    auto identifyDrive = [&](std::uint16_t index) {
        PHYSICAL_DRIVE_STATUS drive;
        return s.lib.sense(s.controller, 0x15, drive, driveDetail(index), driveUnit(index));
    };
    const BmicResult absent = identifyDrive(missing);
    for (const char* unmute : {"mute-drive slot3 2E:1:5 off", "clear slot3", "restore-drive slot3 2E:1:5"}) {
        ASSERT_EQ(tool("mute-drive slot3 2E:1:5 on"), 0);
        const BmicResult silent = identifyDrive(muted);
        EXPECT_EQ(silent.scsiStatus, 2);
        EXPECT_EQ(silent.senseKey, absent.senseKey);
        EXPECT_EQ(silent.asc, absent.asc);
        SENSE_MNP_STATISTICS statistics;
        EXPECT_FALSE(s.lib.sense(s.controller, 0xA0, statistics, driveDetail(muted), driveUnit(muted)).ok());
        EXPECT_TRUE(identifyDrive(neighbour).ok());
        IDENTIFY_CONTROLLER id;
        ASSERT_TRUE(s.lib.sense(s.controller, 0x11, id).ok());
        EXPECT_EQ(id.pbBigDrivePresentBitmap[muted / 8] & (1 << muted % 8), 1 << muted % 8) << "still listed";
        EXPECT_NE(run(std::string(VNLSIM_TOOL) + " show").find("faults: muted-drive(2E:1:5)"), std::string::npos);
        ASSERT_EQ(tool(unmute), 0);
        EXPECT_TRUE(identifyDrive(muted).ok()) << unmute;
    }
}

TEST(Faults, ControlToolRejectsWhatItCannotApply)
{
    TempState state("small");
    EXPECT_NE(tool("fail-drive slot1 9I:9:9"), 0);
    EXPECT_NE(tool("fail-drive nosuch 1I:1:1"), 0);
    EXPECT_NE(tool("recover-ld slot1 0 50"), 0);
    EXPECT_NE(tool("comm-error slot1 maybe"), 0);
    EXPECT_NE(tool("mute-drive slot1 1I:1:1 maybe"), 0);
    EXPECT_NE(tool("mute-drive slot1 1I:1:1"), 0);
    EXPECT_NE(tool("check-condition slot1"), 0);
    EXPECT_NE(tool("check-condition-on slot1 0x151 1"), 0);
    EXPECT_NE(tool("check-condition-on slot1 zz 1"), 0);
    EXPECT_NE(tool("frobnicate slot1"), 0);
    EXPECT_NE(tool("init --preset nosuch"), 0);
}

TEST(Faults, ControlToolInitAndShowDescribeTheState)
{
    TempState state("small");
    ASSERT_EQ(tool("init --preset external"), 0);
    ASSERT_EQ(tool("fail-drive storage1 1:2"), 0);
    std::string shown = run(std::string(VNLSIM_TOOL) + " show");
    EXPECT_NE(shown.find("storage system SGV0511017"), std::string::npos) << shown;
    EXPECT_NE(shown.find("physical drive 1:2  SAS  146.0 GB  ORVX DH0146FA  serial 3LM1A00502  Failed"),
              std::string::npos);
    EXPECT_NE(shown.find("reaches storage1 controller B"), std::string::npos);
    EXPECT_NE(shown.find("Recovering"), std::string::npos);
}

} // namespace
