// Transformations and rebuilds advance on the simulation clock: a changed
// logical drive waits, expands with blocks left falling, then is done; a
// failed data drive with a spare makes the spare active and the logical
// drive recover.
#include "controller/bmiclayouts.h"
#include "sim/faultcommands.h"
#include "tests/sim/simlibrary.h"

namespace {

void setClock(std::int64_t seconds) { ::setenv("VNLSIM_CLOCK", std::to_string(seconds).c_str(), 1); }

bool inject(const TempState& state, std::vector<std::string> words, std::int64_t now)
{
    Sim::StateStore store(state.dir());
    std::string error, why;
    bool applied = false;
    bool stored = store.update([&](Sim::World& w) { return applied = Sim::applyFault(w, words, now, why); }, error);
    EXPECT_TRUE(applied) << why;
    return stored && applied;
}

struct ServerSlot3 {
    TempState state{"server"};
    SimLibrary lib;
    ImgrHandle controller = lib.localControllers().at(1);

    LOGICAL_DRIVE_STATUS status(std::uint16_t number)
    {
        LOGICAL_DRIVE_STATUS s;
        EXPECT_TRUE(lib.sense(controller, 0x12, s, 0, number).ok());
        return s;
    }
};

TEST(Progress, ExtendedLogicalDriveIsQueuedThenExpandsThenIsDoneWithTheNewSize)
{
    ServerSlot3 s;
    setClock(1000);
    LOGICAL_DRIVE_CONFIG config;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, config, 0, 2).ok());
    std::uint16_t oldCylinders = config.logicalDriveParamTable.wMaxCylinders;
    config.logicalDriveParamTable.wMaxCylinders = static_cast<std::uint16_t>(oldCylinders + 100);
    // Grown in place, it would reach into logical drive 3, which follows it on the same drives.
    EXPECT_FALSE(s.lib.set(s.controller, 0x54, config, 0, 2).ok());
    LOGICAL_DRIVE_CONFIG none{};
    ASSERT_TRUE(s.lib.set(s.controller, 0x51, none, 0, 3).ok());
    ASSERT_TRUE(s.lib.set(s.controller, 0x54, config, 0, 2).ok());
    IDENTIFY_LOGICAL_DRIVE id;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x10, id, 0, 2).ok());
    EXPECT_EQ(+id.logicalDriveParamTable.wMaxCylinders, oldCylinders + 100);
    EXPECT_EQ(s.status(2).bUnitStatus, 12);
    setClock(1005 + 30);
    LOGICAL_DRIVE_STATUS half = s.status(2);
    EXPECT_EQ(half.bUnitStatus, 10);
    EXPECT_NEAR(static_cast<double>(half.qwBigBlocksLeftToRecover), id.qwBigBlocksInLogicalDrive / 2.0,
                id.qwBigBlocksInLogicalDrive / 100.0);
    setClock(1005 + 45);
    EXPECT_LT(+s.status(2).qwBigBlocksLeftToRecover, +half.qwBigBlocksLeftToRecover);
    setClock(1005 + 60);
    EXPECT_EQ(s.status(2).bUnitStatus, 0);
}

TEST(Progress, ATransformationOntoAnotherArraysDrivesOrSparesIsRefused)
{
    ServerSlot3 s;
    LOGICAL_DRIVE_CONFIG first, mirrored;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, first, 0, 0).ok());
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, mirrored, 0, 2).ok());
    for (const std::uint8_t* taken : {first.pbBigDriveAssignmentMap, first.pbBigSpareAssignmentMap}) {
        LOGICAL_DRIVE_CONFIG grown = mirrored;
        for (unsigned i = 0; i < 16; ++i)
            grown.pbBigDriveAssignmentMap[i] |= taken[i];
        grown.wAssignedDrives = 0;
        for (std::uint8_t byte : grown.pbBigDriveAssignmentMap)
            grown.wAssignedDrives = static_cast<std::uint16_t>(grown.wAssignedDrives + __builtin_popcount(byte));
        grown.wFaultTolerance = 0; // RAID 0 takes any drive count
        EXPECT_FALSE(s.lib.set(s.controller, 0x54, grown, 0, 2).ok());
    }
}

TEST(Progress, TransformationsOfOneControllerRunOneAfterTheOther)
{
    ServerSlot3 s;
    setClock(5000);
    for (std::uint16_t number : {2, 3}) {
        LOGICAL_DRIVE_CONFIG config;
        ASSERT_TRUE(s.lib.sense(s.controller, 0x50, config, 0, number).ok());
        ASSERT_TRUE(s.lib.set(s.controller, 0x54, config, 0, number).ok());
    }
    setClock(5005 + 10);
    EXPECT_EQ(s.status(2).bUnitStatus, 10);
    EXPECT_EQ(s.status(3).bUnitStatus, 12);
    setClock(5005 + 70);
    EXPECT_EQ(s.status(2).bUnitStatus, 0);
    EXPECT_EQ(s.status(3).bUnitStatus, 10);
}

TEST(Progress, ShrinkingOrDroppingDrivesInATransformationIsRefused)
{
    ServerSlot3 s;
    LOGICAL_DRIVE_CONFIG config;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x50, config, 0, 2).ok());
    LOGICAL_DRIVE_CONFIG smaller = config;
    smaller.logicalDriveParamTable.wMaxCylinders = 10;
    EXPECT_EQ(s.lib.set(s.controller, 0x54, smaller, 0, 2).scsiStatus, 2);
    LOGICAL_DRIVE_CONFIG fewer = config;
    fewer.pbBigDriveAssignmentMap[0] = 0;
    fewer.wAssignedDrives = 2;
    EXPECT_EQ(s.lib.set(s.controller, 0x54, fewer, 0, 2).scsiStatus, 2);
}

TEST(Progress, FailedDataDriveWithASpareRecoversOntoTheSpare)
{
    ServerSlot3 s;
    ASSERT_TRUE(inject(s.state, {"fail-drive", "slot3", "1E:1:2"}, 2000));
    setClock(2000 + 15);
    for (std::uint16_t number : {0, 1}) {
        LOGICAL_DRIVE_STATUS st = s.status(number);
        EXPECT_EQ(st.bUnitStatus, 5);
        EXPECT_EQ(st.bDriveRebuilding, 3); // the spare, 1E:1:4, is drive 3
        EXPECT_EQ(st.pbBigActiveSpareBitmap[0], 0x08);
        EXPECT_EQ(st.pbBigSpareToReplaceBitmap[3], 1); // standing in for drive 1
        EXPECT_EQ(+st.dwDriveFailureBitmap, 0u);
        EXPECT_GT(+st.qwBigBlocksLeftToRecover, 0u);
    }
    PHYSICAL_DRIVE_STATUS failed;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x15, failed, driveDetail(1), driveUnit(1)).ok());
    EXPECT_EQ(failed.bPhysicalDriveFlags & 1, 0);
    setClock(2000 + 61);
    EXPECT_EQ(s.status(0).bUnitStatus, 0);
    EXPECT_EQ(s.status(0).pbBigActiveSpareBitmap[0], 0x08);
}

TEST(Progress, FailuresBeyondWhatTheLevelToleratesFailTheLogicalDrive)
{
    ServerSlot3 s;
    ASSERT_TRUE(inject(s.state, {"fail-drive", "slot3", "2E:1:1"}, 3000));
    setClock(3000);
    EXPECT_EQ(s.status(2).bUnitStatus, 3); // no spare: interim recovery
    EXPECT_EQ(s.status(2).pbBigDriveFailureBitmap[0], 0x10);
    ASSERT_TRUE(inject(s.state, {"fail-drive", "slot3", "2E:1:3"}, 3000));
    EXPECT_EQ(s.status(2).bUnitStatus, 1);
    ASSERT_TRUE(inject(s.state, {"restore-drive", "slot3", "2E:1:1"}, 3000));
    ASSERT_TRUE(inject(s.state, {"restore-drive", "slot3", "2E:1:3"}, 3000));
    EXPECT_EQ(s.status(2).bUnitStatus, 5);
}

TEST(Progress, FailPhysicalDriveCommandFailsTheDrive)
{
    ServerSlot3 s;
    setClock(4000);
    FAIL_PHYSICAL_DRIVE_OPERATION fail{};
    fail.wPhysicalDrive = 0;
    ASSERT_TRUE(s.lib.set(s.controller, 0xF1, fail).ok());
    EXPECT_EQ(s.status(0).bUnitStatus, 5);
    fail.wPhysicalDrive = 200;
    EXPECT_EQ(s.lib.set(s.controller, 0xF1, fail).scsiStatus, 2);
}

TEST(Progress, InjectedProgressShowsAsTheToolWouldSeeIt)
{
    ServerSlot3 s;
    ASSERT_TRUE(inject(s.state, {"recover-ld", "slot3", "0", "40"}, 6000));
    ASSERT_TRUE(inject(s.state, {"expand-ld", "slot3", "1", "75"}, 6000));
    ASSERT_TRUE(inject(s.state, {"fail-ld", "slot3", "2"}, 6000));
    setClock(6000);
    IDENTIFY_LOGICAL_DRIVE id;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x10, id, 0, 1).ok());
    EXPECT_EQ(s.status(0).bUnitStatus, 5);
    EXPECT_EQ(s.status(1).bUnitStatus, 10);
    EXPECT_NEAR(static_cast<double>(s.status(1).qwBigBlocksLeftToRecover), id.qwBigBlocksInLogicalDrive * 0.25,
                id.qwBigBlocksInLogicalDrive * 0.02);
    EXPECT_EQ(s.status(2).bUnitStatus, 1);
    ASSERT_TRUE(s.lib.bmic(s.controller, 0x52, IMGR_BMIC_DIRECTION_NONE, nullptr, 0, 0, 2).ok());
    EXPECT_EQ(s.status(2).bUnitStatus, 0);
}

} // namespace
