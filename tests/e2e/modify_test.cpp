// The modify command on the simulated hardware: what one process changes, a new process reads
// back from the controller, and a modify that is refused sends the controller no command that
// changes anything (the simulator's request counts, VNLSIM_STATS, say what was sent).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "tests/e2e/vnlprocess.h"

namespace {

using Words = std::vector<std::string>;

// BMIC opcodes that change what a controller holds: maintenance (lights), logical drive
// configuration, bypass volume state, reorder, surface delay, controller parameters, redundant
// controller parameters, disable other controller, cache configuration, accept media exchange,
// fail drive.
const char* const SET_OPCODES[] = {"16", "51", "52", "56", "60", "63", "81", "89", "C0", "E0", "F1"};

class Modify : public ::testing::Test {
protected:
    Outcome run(const Words& args, const std::string& input = "") { return runVnlcli(dir, args, input); }
    void expectHas(const std::string& text, const std::string& part) const
    {
        EXPECT_NE(text.find(part), std::string::npos) << "no \"" << part << "\" in:\n" << text;
    }
    // The requests of one run by kind and BMIC opcode ("bmic.63").
    std::map<std::string, unsigned long> requests(const Words& args, const std::string& input = "")
    {
        const std::string stats = dir.path + "/stats";
        setenv("VNLSIM_STATS", stats.c_str(), 1);
        last = run(args, input);
        unsetenv("VNLSIM_STATS");
        std::map<std::string, unsigned long> counts;
        std::ifstream line(stats);
        for (std::string field; line >> field;)
            if (field.find('=') != std::string::npos)
                counts[field.substr(0, field.find('='))] = std::stoul(field.substr(field.find('=') + 1));
        std::remove(stats.c_str());
        return counts;
    }
    // The setting commands one run sends.
    unsigned long setCommands(const Words& args, const std::string& input = "")
    {
        std::map<std::string, unsigned long> counts = requests(args, input);
        unsigned long sets = 0;
        for (const char* opcode : SET_OPCODES)
            sets += counts["bmic." + std::string(opcode)];
        return sets;
    }

    LockDir dir;
    Outcome last;
};

} // namespace

TEST_F(Modify, SettingsChangedInOneProcessAreReadByTheNext)
{
    ASSERT_TRUE(dir.usePreset("server"));
    const std::string changes = "ctrl slot=3 modify cacheratio=0/100\n"
                                "ctrl slot=3 modify rebuildpriority=high\n"
                                "ctrl slot=3 modify expandpriority=medium\n"
                                "ctrl slot=3 modify surfacescandelay=1\n"
                                "ctrl slot=3 ld 2 modify arrayaccelerator=disable\n";
    EXPECT_EQ(run({}, changes).output.find("Error"), std::string::npos);
    std::string controller = run({"ctrl", "slot=3", "show", "detail"}).output;
    // Each priority keeps the other's value.
    for (const char* line : {"Rebuild Priority: High", "Expand Priority: Medium", "Surface Scan Delay: 1 sec",
                             "Accelerator Ratio: 0% Read / 100% Write", "Read Cache Size: 0 MB"})
        expectHas(controller, line);
    expectHas(run({"ctrl", "slot=3", "ld", "2", "show", "detail"}).output, "Array Accelerator: Disabled");

    run({},
        "ctrl slot=3 modify cacheratio=100/0\nctrl slot=3 modify surfacescandelay=30\n"
        "ctrl slot=3 ld 2 modify arrayaccelerator=enable\n");
    controller = run({"ctrl", "slot=3", "show", "detail"}).output;
    for (const char* line : {"Surface Scan Delay: 30 sec", "Accelerator Ratio: 100% Read / 0% Write",
                             "Write Cache Size: 0 MB", "Rebuild Priority: High"})
        expectHas(controller, line);
    expectHas(run({"ctrl", "slot=3", "ld", "2", "show", "detail"}).output, "Array Accelerator: Enabled");
}

TEST_F(Modify, LogicalDriveNumbersOneToThirtyTwoAreTheControllersZeroToThirtyOne)
{
    ASSERT_TRUE(dir.usePreset("server"));
    EXPECT_EQ(run({"ctrl", "slot=3", "ld", "3", "modify", "number=32"}).status, 0);
    expectHas(run({"ctrl", "slot=3", "ld", "all", "show"}).output, "logicaldrive 32 (50.0 GB, RAID 1+0, OK)");
    EXPECT_EQ(run({"ctrl", "slot=3", "ld", "32", "modify", "number=1"}).status, 0);
    expectHas(run({"ctrl", "slot=3", "ld", "all", "show"}).output, "logicaldrive 1 (50.0 GB, RAID 1+0, OK)");
}

TEST_F(Modify, ChassisNameTakesUpToTwentyAllowedCharacters)
{
    ASSERT_TRUE(dir.usePreset("external"));
    EXPECT_EQ(setCommands({"ctrl", "all", "modify", "chassisname=Lab;Two"}), 0u);
    expectHas(last.output, "Error: ';' is not a valid chassisname character.");
    EXPECT_EQ(setCommands({"ctrl", "all", "modify", "chassisname=" + std::string(21, 'x')}), 0u);
    expectHas(last.output, "has more than the maximum allowed 20");

    const std::string twenty = "Lab (2) #1/A.b, c-d!";
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_EQ(run({"ctrl", "all", "modify", "chassisname=" + twenty}).status, 0);
    expectHas(run({"ctrl", "chassisname=" + twenty, "show", "detail"}).output, "Chassis Name: " + twenty + "\n");
}

TEST_F(Modify, ARefusedModifySendsNoSetCommand)
{
    ASSERT_TRUE(dir.usePreset("external"));
    for (const char* value : {"cacheratio=33/67", "surfacescandelay=0", "surfacescandelay=31", "led=blink"}) {
        EXPECT_EQ(setCommands({"ctrl", "all", "modify", value}), 0u) << value;
        EXPECT_EQ(last.status, 1) << value;
    }
    EXPECT_EQ(setCommands({"ctrl", "all", "modify", "drivewritecache=enable"}, "n\n"), 0u);
    EXPECT_EQ(setCommands({"ctrl", "all", "modify", "redundantcontroller=disable"}, "yes\n"), 0u);
    {
        VnlProcess holder(dir, {});
        ASSERT_NE(holder.readUntil("=> ").find("Done."), std::string::npos);
        EXPECT_EQ(setCommands({"ctrl", "all", "modify", "rebuildpriority=high"}), 0u);
        expectHas(last.output, "Another instance of VNL is already running");
        holder.write("exit\n");
        holder.finish();
    }
    // The same commands, allowed, are sent.
    EXPECT_EQ(setCommands({"ctrl", "all", "modify", "rebuildpriority=high"}), 1u);
    EXPECT_EQ(setCommands({"ctrl", "all", "modify", "drivewritecache=enable"}, "y\n"), 1u);
    expectHas(run({"ctrl", "all", "show", "detail"}).output, "Drive Write Cache: Enabled");
    EXPECT_EQ(setCommands({"ctrl", "all", "modify", "redundantcontroller=disable"}, "y\n"), 1u);
    EXPECT_EQ(requests({"ctrl", "all", "modify", "redundantcontroller=disable", "forced"})["bmic.89"], 1u);
}

// A migration is carried out by the controller as timed work on its clock (VNLSIM_CLOCK): a new
// process sees the new level at once and the progress as the clock moves on.
TEST_F(Modify, AMigrationRunsAsTimedWorkThatTheNextProcessSees)
{
    ASSERT_TRUE(dir.usePreset("server"));
    const Words show = {"ctrl", "slot=3", "ld", "3", "show", "status"};
    setenv("VNLSIM_CLOCK", "1000", 1);
    EXPECT_EQ(run({"ctrl", "slot=3", "ld", "3", "modify", "raid=5"}).status, 0);
    expectHas(run(show).output, "RAID 5): Waiting for Expansion");
    setenv("VNLSIM_CLOCK", "1035", 1);
    expectHas(run(show).output, "RAID 5): Expanding 50.0% complete");
    setenv("VNLSIM_CLOCK", "2000", 1);
    expectHas(run(show).output, "RAID 5): OK");
    unsetenv("VNLSIM_CLOCK");
}

// A controller is identified once by discovery and once more when it is read again after a write.
TEST_F(Modify, OnlyTheControllerWrittenIsReadAgain)
{
    ASSERT_TRUE(dir.usePreset("server")); // two controllers
    const unsigned long shown = requests({"ctrl", "slot=3", "show"})["bmic.11"];
    EXPECT_EQ(requests({"ctrl", "slot=3", "modify", "rebuildpriority=?"})["bmic.11"], shown);
    EXPECT_EQ(requests({"ctrl", "slot=3", "modify", "rebuildpriority=high"})["bmic.11"], shown + 1);
    EXPECT_EQ(requests({"ctrl", "slot=3", "ld", "1", "modify", "led=on"})["bmic.11"], shown + 1);
}
