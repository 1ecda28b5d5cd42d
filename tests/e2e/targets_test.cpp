// Target selection as a user meets it: the refusals of the target grammar,
// controllers and devices that are not there, drive ranges, controllers that
// are never or must not be selected, and the progress of expanding and
// recovering logical drives. Each run is the real vnlcli on simulated hardware
// of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "tests/e2e/vnlprocess.h"

namespace {

std::string errorText(const std::string& message) { return "\nError: " + message + "\n\n"; }

std::string noSuchDrive(const std::string& id)
{
    return errorText("The specified controller does not have any physical drives identified by\n       '" + id + "'");
}

// "Expecting "slot=#"": a selector without its value.
std::string expecting(const std::string& form) { return errorText("Expecting \"" + form + "\""); }

std::string missingIdentifier(const std::string& what) { return errorText("Expecting parameters to identify " + what); }

std::vector<std::string> words(const std::string& line)
{
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

// The hardware of `dir` laid anew from profile lines.
bool fromProfile(const LockDir& dir, const std::string& profile)
{
    const std::string file = dir.path + "/hardware.profile";
    std::ofstream(file) << profile;
    return dir.sim("init --profile " + file);
}

std::string preset(const std::string& name)
{
    std::ifstream in(std::string(VNL_SOURCE_DIR) + "/sim/presets/" + name + ".profile");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// vnlcli sees the simulated time `seconds` while this lives.
struct SimClock {
    explicit SimClock(const char* seconds) { setenv("VNLSIM_CLOCK", seconds, 1); }
    ~SimClock() { unsetenv("VNLSIM_CLOCK"); }
};

struct Case {
    std::string command;
    std::string output;
    int status;
};

void expectRuns(const LockDir& dir, const std::vector<Case>& cases)
{
    for (const Case& expected : cases) {
        Outcome run = runVnlcli(dir, words(expected.command));
        EXPECT_EQ(run.output, expected.output) << expected.command;
        EXPECT_EQ(run.status, expected.status) << expected.command;
    }
}

// A listing without the attribute lines of long forms (nine blanks deep).
std::string outline(const std::string& text)
{
    std::istringstream in(text);
    std::string kept;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("         ", 0) != 0)
            kept += line + "\n";
    return kept;
}

// Each command succeeds with a listing of this outline.
void expectOutlines(const LockDir& dir, const std::vector<std::pair<std::string, std::string>>& cases)
{
    for (const auto& [command, expected] : cases) {
        Outcome run = runVnlcli(dir, words(command));
        EXPECT_EQ(outline(run.output), expected) << command;
        EXPECT_EQ(run.status, 0) << command;
    }
}

// The outline of a listing of drives under `heading`; an entry starting with
// blanks is a group heading ("   array A").
std::string driveList(const std::string& heading, const std::vector<std::string>& drives)
{
    std::string text = "\n" + heading + "\n";
    for (const std::string& drive : drives)
        text += drive.rfind("   ", 0) == 0 ? "\n" + drive + "\n\n" : "      physicaldrive " + drive + "\n";
    return text + "\n";
}

const std::string NOTICE = "FIRMWARE UPGRADE REQUIRED: The firmware running on this controller has a known \n"
                           "                           potential for data loss that can occur while\n"
                           "                           executing a surface analysis scan. This controller\n"
                           "                           cannot be configured until the firmware is upgraded \n"
                           "                           to version 2.08 or later. This applies to the Orvex \n"
                           "                           Kestrel 2100, Orvex Kestrel 2200 and Orvex Kestrel\n"
                           "                           2400 controllers running firmware version 2.04.\n\n";
const std::string KESTREL_NOTICE = "\nOrvex Kestrel 2200 in Slot 2  (sn: KST2200077)\n\n\n" + NOTICE;

} // namespace

TEST(Targets, GrammarRefusesIncompleteOrMisplacedWords)
{
    LockDir dir;
    const std::string invalidFoo =
        errorText("Invalid target syntax. \"foo\" is not a valid target. Type \"help\" for more\n       details.");
    const std::string wildcard =
        errorText("After specifying a wildcard, you cannot specify any further devices in\n       the target.");
    expectRuns(
        dir,
        {
            {"show", errorText("Expecting \"controller\" in target. Type \"help\" for more information."), 1},
            {"array A show", errorText("Expecting \"controller\" in target. Type \"help\" for more information."), 1},
            {"ctrl show", missingIdentifier("controller"), 1},
            {"ctrl foo=1 show",
             errorText("The controller must be identified by slot, chassisname, wwn,\n       serialnumber, or IPF "
                       "information."),
             1},
            {"ctrl slot show", expecting("slot=#"), 1},
            {"ctrl slot= slot=3 show",
             errorText("Invalid target syntax. \"slot=3\" is not a valid target. Type \"help\" for\n"
                       "       more details."),
             1},
            {"ctrl sn show", expecting("serialnumber=#"), 1},
            {"ctrl wwn= show", expecting("wwn=#"), 1},
            {"ctrl ch show", expecting("chassisname=ABC"), 1},
            {"ctrl cp=4 show", expecting("ctrlpath=#:#"), 1},
            {"ctrl cp=4:1:1 show", expecting("ctrlpath=#:#"), 1},
            {"ctrl csn show", expecting("chassisserialnumber=#"), 1},
            {"ctrl iocabinet=1 show", expecting("iobay=#") + expecting("iochassis=#"), 1},
            {"ctrl slot=3 foo show", invalidFoo, 1},
            {"ctrl slot=3 array A foo show", invalidFoo, 1},
            {"ctrl slot=3 array show", missingIdentifier("array"), 1},
            {"ctrl slot=3 array ld 1 show", missingIdentifier("array"), 1},
            {"ctrl slot=3 ld show", missingIdentifier("logicaldrive"), 1},
            {"ctrl slot=3 array A ld show", missingIdentifier("logicaldrive."), 1},
            {"ctrl slot=3 pd show", missingIdentifier("physicaldrive"), 1},
            {"ctrl slot=3 ld 1 pd 1E:1:1 show", errorText("Syntax error at \"logicaldrive\""), 1},
            {"ctrl all array A show", wildcard, 1},
            {"ctrl slot=3 pd all ld 1 show", wildcard, 1},
            {"ctrl slot=3 td 1 show",
             errorText("<controller> td all show [detail] is currently the only syntax supported\n"
                       "       for targeting tape drives."),
             1},
        });
}

TEST(Targets, DevicesThatAreNotThereAreNamedInTheError)
{
    LockDir dir;
    expectRuns(
        dir,
        {
            {"ctrl slot=9 show", errorText("The controller identified by \"slot=9\" was not detected."), 1},
            {"ctrl sn=nothing show",
             errorText("The controller identified by \"serialnumber=nothing\" was not detected."), 1},
            {"ctrl slot=3 array Z show",
             errorText("Controller identified by \"slot=3\" does not have an array identified by\n       \"Z\"."), 1},
            {"ctrl slot=3 ld 9 show",
             errorText("The specified device does not have a logicaldrive identified by \"9\""), 1},
            {"ctrl slot=3 array B ld 1 show",
             errorText("The specified device does not have a logicaldrive identified by \"1\""), 1},
            {"ctrl slot=3 pd 9E:1:1 show", noSuchDrive("9e:1:1"), 1},
            {"ctrl slot=0 td all show",
             errorText("The specified controller does not have any tape drives identified by\n       'all'"), 1},
        });

    ASSERT_TRUE(dir.usePreset("small"));
    expectRuns(dir,
               {
                   {"ctrl slot=1 array all show",
                    errorText("Controller identified by \"slot=1\" does not contain any arrays."), 1},
                   {"ctrl slot=1 ld all show", errorText("The specified device does not have any logical drives."), 1},
               });

    // A controller without drives, then a machine without controllers.
    ASSERT_TRUE(fromProfile(dir, preset("small").substr(0, preset("small").find("\ndrive"))));
    expectRuns(dir,
               {
                   {"ctrl slot=1 pd all show",
                    errorText("The specified controller does not have any physical drives on it."), 1},
                   {"ctrl slot=1 pd allunassigned show", noSuchDrive("allunassigned"), 1},
               });
    ASSERT_TRUE(fromProfile(dir, "# nothing\n"));
    expectRuns(dir,
               {
                   {"ctrl all show", errorText("No controllers detected."), 1},
                   {"ctrl slot=1 show", errorText("The controller identified by \"slot=1\" was not detected."), 1},
               });
}

TEST(Targets, DriveRangesSelectTheDrivesThatExist)
{
    LockDir dir;
    expectRuns(
        dir,
        {
            {"ctrl slot=3 pd 2E:1:3-2E:1:1 show",
             errorText("The following drive range must be specified in ascending order:\n       2E:1:3-2E:1:1"), 1},
            {"ctrl slot=3 pd 1:1-1E:1:2 show", errorText("Invalid physical drive syntax: 1:1-1E:1:2"), 1},
            {"ctrl slot=3 pd 9E:1:1-9E:1:3 show", noSuchDrive("9e:1:1-9e:1:3"), 1},
            // A drive named on its own must exist; one of a range need not.
            {"ctrl slot=3 pd 2E:1:1,9E:9:9 show", noSuchDrive("9E:9:9"), 1},
            {"ctrl slot=3 array B pd 1E:1:4 show", noSuchDrive("1e:1:4"), 1},
        });
    const std::string slot3 = "Orvex Varnel V30 in Slot 3";
    const std::vector<std::pair<std::string, std::string>> selections = {
        {"ctrl slot=3 pd 2E:1:1-2E:1:3 show", driveList(slot3, {"   array B", "2E:1:1", "2E:1:2", "2E:1:3"})},
        {"ctrl slot=3 pd 2E:1:6-2E:1:9,1E:1:1 show",
         driveList(slot3, {"   array A", "1E:1:1", "   unassigned", "2E:1:6", "2E:1:7"})},
        // Below an array, its spare is one of its drives; other drives are not.
        {"ctrl slot=3 array A pd 1E:1:4 show", driveList(slot3, {"   array A", "1E:1:4"})},
        {"ctrl slot=3 array A pd 1E:1:2-2E:1:1 show", driveList(slot3, {"   array A", "1E:1:2", "1E:1:3", "1E:1:4"})},
    };
    expectOutlines(dir, selections);

    ASSERT_TRUE(dir.usePreset("small"));
    const std::string slot1 = "Orvex Varnel V24 in Slot 1";
    const std::vector<std::pair<std::string, std::string>> acrossPorts = {
        {"ctrl slot=1 pd 1I:1:3-2I:1:6 show",
         driveList(slot1, {"   unassigned", "1I:1:3", "1I:1:4", "2I:1:5", "2I:1:6"})},
        // Ends beyond the largest port, box and bay are taken as the largest.
        {"ctrl slot=1 pd 2I:1:7-6I:9:30 show", driveList(slot1, {"   unassigned", "2I:1:7", "2I:1:8"})},
        {"ctrl slot=1 pd 0I:0:0-1I:1:2 show", driveList(slot1, {"   unassigned", "1I:1:1", "1I:1:2"})},
        {"ctrl slot=1 pd 1:1-1:2 show", driveList(slot1, {"   unassigned", "1I:1:1", "1I:1:2"})},
    };
    expectOutlines(dir, acrossPorts);
}

TEST(Targets, ControllerWithTheFirmwareDefectIsRefusedWithTheNoticeAlone)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("firmware"));
    for (const char* command :
         {"ctrl slot=2 show", "ctrl all show", "ctrl slot=2 show config", "ctrl slot=2 array A show",
          "ctrl slot=2 ld 1 show", "ctrl slot=2 pd all show", "ctrl slot=2 modify rp=high"}) {
        Outcome run = runVnlcli(dir, words(command));
        EXPECT_EQ(run.output, KESTREL_NOTICE) << command;
        EXPECT_EQ(run.status, 1) << command;
    }

    // Beside a sound controller, a listing of all goes on; a change does not.
    ASSERT_TRUE(fromProfile(dir, preset("firmware") + preset("small")));
    expectRuns(dir,
               {
                   {"ctrl all show", KESTREL_NOTICE + "\nOrvex Varnel V24 in Slot 1    (sn: PVNLA0100012)\n\n", 0},
                   {"ctrl all modify rp=high", KESTREL_NOTICE, 1},
               });
}

TEST(Targets, StandbyControllerOfARedundantPairIsNeverSelected)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("external"));
    Outcome all = runVnlcli(dir, {"ctrl", "all", "show"});
    EXPECT_EQ(all.output.rfind("\nOrvex Corvale 1500 Storage at Lab Storage (sn: E7VN100420A, csn: SGV0511017, ", 0),
              0u)
        << all.output;
    EXPECT_EQ(std::count(all.output.begin(), all.output.end(), '\n'), 3) << all.output;
    // The storage system's serial number, name and world-wide name, and the path to controller A.
    for (const char* selector : {"csn=SGV0511017", "ch=Lab Storage", "wwn=5a0e0d1005110170", "cp=4:1"}) {
        Outcome run = runVnlcli(dir, {"ctrl", selector, "show"});
        EXPECT_NE(run.output.find("\n   Serial Number: E7VN100420A\n"), std::string::npos) << selector << run.output;
        EXPECT_EQ(run.status, 0) << selector;
    }
    expectRuns(
        dir,
        {
            {"ctrl sn=E7VN100420B show",
             errorText("The controller identified by \"serialnumber=e7vn100420b\" was not\n       detected."), 1},
            {"ctrl cp=5:1 show", errorText("The controller identified by \"ctrlpath=5:1\" was not detected."), 1},
        });
}

TEST(Targets, ExpandingAndRecoveringDrivesShowHowFarTheyAre)
{
    LockDir dir;
    // Progress moves on with the simulated time, so the clock stands still.
    ASSERT_TRUE(dir.usePreset("server") && dir.sim("expand-ld slot3 0 40", "1000") &&
                dir.sim("recover-ld slot3 2 75", "1000"));
    std::optional<SimClock> clock(std::in_place, "1000");
    const std::string slot3 = "\nOrvex Varnel V30 in Slot 3\n";
    expectRuns(
        dir,
        {
            {"ctrl slot=3 ld all show",
             slot3 +
                 "\n   array A\n\n      logicaldrive 1 (100.0 GB, RAID 5, Expanding 40.0% complete)\n"
                 "      logicaldrive 2 (458.8 GB, RAID 5, OK)\n\n   array B\n\n"
                 "      logicaldrive 3 (50.0 GB, RAID 1+0, Recovering 75.0% complete)\n"
                 "      logicaldrive 4 (221.9 GB, RAID 1+0, OK)\n\n",
             0},
            {"ctrl slot=3 ld all show status",
             "\nlogicaldrive 1 (100.0 GB, RAID 5): Expanding 40.0% complete\nlogicaldrive 2 (458.8 GB, RAID 5): OK\n"
             "logicaldrive 3 (50.0 GB, RAID 1+0): Recovering 75.0% complete\nlogicaldrive 4 (221.9 GB, RAID 1+0): "
             "OK\n\n",
             0},
        });
    for (const char* command : {"ctrl slot=3 ld 1 show", "ctrl slot=3 ld all show detail"}) {
        const std::string output = runVnlcli(dir, words(command)).output;
        EXPECT_NE(output.find("\n         Status: Expanding 40.0% complete\n"), std::string::npos) << command;
    }
    EXPECT_NE(runVnlcli(dir, words("ctrl slot=3 array B ld 3 show"))
                  .output.find("\n         Status: Recovering 75.0% complete\n"),
              std::string::npos);

    // A failed drive: the spare takes over and both logical drives of the
    // array rebuild, half done after half the rebuild time.
    ASSERT_TRUE(dir.usePreset("server") && dir.sim("fail-drive slot3 1E:1:1", "1000"));
    clock.emplace("1030");
    expectRuns(dir,
               {
                   {"ctrl slot=3 array A ld all show status",
                    "\nlogicaldrive 1 (100.0 GB, RAID 5): Recovering 50.0% complete\n"
                    "logicaldrive 2 (458.8 GB, RAID 5): Recovering 50.0% complete\n\n",
                    0},
                   {"ctrl slot=3 array A pd all show",
                    slot3 +
                        "\n   array A\n\n      physicaldrive 1E:1:1 (port 1E:box 1:bay 1, SAS, 300 GB, Failed)\n"
                        "      physicaldrive 1E:1:2 (port 1E:box 1:bay 2, SAS, 300 GB, OK)\n"
                        "      physicaldrive 1E:1:3 (port 1E:box 1:bay 3, SAS, 300 GB, OK)\n"
                        "      physicaldrive 1E:1:4 (port 1E:box 1:bay 4, SAS, 300 GB, Rebuilding, active spare)\n\n",
                    0},
               });
    EXPECT_NE(
        runVnlcli(dir, words("ctrl slot=3 ld 2 show")).output.find("\n         Status: Recovering 50.0% complete\n"),
        std::string::npos);
}
