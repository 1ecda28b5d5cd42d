// How often a command reads the hardware, told by the simulated library's own
// request counts (VNLSIM_STATS): a one-shot command uses the tree built for
// it and reads no controller twice, while the console still reads everything
// again for every "controller all" and "rescan", since the hardware may change
// while it sits idle. Within one discovery a controller is asked who it is
// once.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/vnlprocess.h"

namespace {

// Requests of one run by kind ("enum", "info", "bmic", "scsi") and BMIC
// opcode ("bmic.11").
using Requests = std::map<std::string, unsigned long>;

Requests requestsOf(const LockDir& dir, const std::vector<std::string>& args, const std::string& input = "")
{
    const std::string stats = dir.path + "/stats";
    std::remove(stats.c_str());
    setenv("VNLSIM_STATS", stats.c_str(), 1);
    const Outcome run = runVnlcli(dir, args, input);
    unsetenv("VNLSIM_STATS");
    EXPECT_EQ(run.status, 0) << run.output;
    Requests counts;
    std::ifstream line(stats);
    for (std::string field; line >> field;) {
        const std::size_t equals = field.find('=');
        if (equals != std::string::npos && field.rfind("pid=", 0) != 0)
            counts[field.substr(0, equals)] = std::stoul(field.substr(equals + 1));
    }
    EXPECT_NE(counts["bmic"], 0u) << "no controller was asked anything";
    return counts;
}

Requests times(Requests counts, unsigned long factor)
{
    for (auto& [kind, count] : counts)
        count *= factor;
    return counts;
}

// What the console's start-up discovery alone asks.
Requests oneDiscovery(const LockDir& dir) { return requestsOf(dir, {}); }

} // namespace

TEST(RequestCount, AOneShotControllerAllCommandReadsTheHardwareOnce)
{
    for (const char* preset : {"server", "external"}) {
        LockDir dir;
        ASSERT_TRUE(dir.usePreset(preset));
        const Requests discovery = oneDiscovery(dir);
        EXPECT_EQ(requestsOf(dir, {"ctrl", "all", "show", "config", "detail"}), discovery) << preset;
    }
}

// The configuration listing prints no setting of a controller or logical drive, so a one-shot
// "controller all show config" asks a part of what a whole discovery asks (no identify logical
// drive, 0x10, no cache status, 0xC1, of a local controller) and prints what the console, which
// has read everything, prints.
TEST(RequestCount, AOneShotConfigurationListingAsksNoSettingsAndPrintsTheWholeListing)
{
    for (const char* preset : {"server", "external", "activeactive", "scsi"}) {
        LockDir dir;
        ASSERT_TRUE(dir.usePreset(preset));
        Requests discovery = oneDiscovery(dir);
        Requests config = requestsOf(dir, {"ctrl", "all", "show", "config"});
        for (const auto& [kind, count] : config)
            EXPECT_LE(count, discovery[kind]) << preset << " " << kind;
        EXPECT_EQ(config.count("bmic.10"), 0u) << preset;

        const std::string listing = runVnlcli(dir, {"ctrl", "all", "show", "config"}).output;
        const std::string console = runVnlcli(dir, {}, "ctrl all show config\n").output;
        EXPECT_NE(console.find("=> " + listing + "=> "), std::string::npos) << preset << "\n" << listing;
    }
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("large"));
    EXPECT_EQ(requestsOf(dir, {"ctrl", "all", "show", "config"}).count("bmic.C1"), 0u);
}

// Discovery and the readers of a controller share what they ask within one discovery: each
// controller is asked once who it is (identify controller, 0x11), and a local one once for its
// subsystem information (0x66) and its parameters (0x64).
TEST(RequestCount, OneDiscoveryAsksEachControllerItsOwnQuestionsOnce)
{
    const std::pair<const char*, unsigned long> localControllers[] = {
        {"small", 1}, {"server", 2}, {"scsi", 1}, {"large", 4}};
    for (const auto& [preset, controllers] : localControllers) {
        LockDir dir;
        ASSERT_TRUE(dir.usePreset(preset));
        Requests discovery = oneDiscovery(dir);
        EXPECT_EQ(discovery["bmic.11"], controllers) << preset;
        EXPECT_EQ(discovery["bmic.66"], controllers) << preset;
        EXPECT_EQ(discovery["bmic.64"], controllers) << preset;
    }
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("external"));
    EXPECT_EQ(oneDiscovery(dir)["bmic.11"], 2u) << "the two controllers of the storage system";
}

TEST(RequestCount, TheConsoleRereadsEverythingForControllerAllAndRescan)
{
    LockDir dir;
    const Requests discovery = oneDiscovery(dir);
    EXPECT_EQ(requestsOf(dir, {}, "ctrl all show\n"), times(discovery, 2));
    EXPECT_EQ(requestsOf(dir, {}, "rescan\n"), times(discovery, 2));
    EXPECT_EQ(requestsOf(dir, {}, "ctrl all show config\nctrl all show config\n"), times(discovery, 3));
}

// A one-shot command on a controller named by its slot or serial number reads that controller
// whole, once, and asks the others only who they are: on `large` (four controllers alike) a
// quarter of what the whole listing asks, and two commands for each controller.
TEST(RequestCount, AOneShotCommandOnANamedControllerReadsItOnceAndAsksTheOthersWhoTheyAre)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("large"));
    const Requests whole = requestsOf(dir, {"ctrl", "all", "show", "config", "detail"});
    const Requests named = requestsOf(dir, {"ctrl", "slot=3", "show", "config"});
    EXPECT_LE(named.at("bmic"), whole.at("bmic") / 4 + 2 * 4);
    EXPECT_EQ(requestsOf(dir, {"ctrl", "slot=3", "show"}), named);
    EXPECT_EQ(requestsOf(dir, {"ctrl", "slot=3", "ld", "2", "show"}), named);
    EXPECT_EQ(requestsOf(dir, {"ctrl", "serialnumber=PVNLL0200900", "show"}), named);
}

TEST(RequestCount, TheConsoleRereadsANamedControllerOncePerCommand)
{
    LockDir dir;
    const Requests named = requestsOf(dir, {}, "ctrl slot=3 show\n");
    EXPECT_NE(named, oneDiscovery(dir));
    EXPECT_EQ(requestsOf(dir, {}, "ctrl slot=3 show config\n"), named);
}

// The console shows no drive monitoring counter, so their statistics (0xA0) are never asked.
TEST(RequestCount, ShowConfigAsksNoMonitoringStatistics)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("large"));
    const Requests config = requestsOf(dir, {"ctrl", "all", "show", "config"});
    EXPECT_EQ(config.count("bmic.A0"), 0u);
    EXPECT_EQ(config.at("bmic.15"), 256u) << "each drive is still identified";
}

// A one-shot listing of the controllers asks each only who it is (identify, 0x11, and its
// subsystem information, 0x66): nothing below the controllers is discovered or read.
TEST(RequestCount, AOneShotControllerListingAsksEachControllerAtMostTwoCommands)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("large"));
    Requests listing = requestsOf(dir, {"ctrl", "all", "show"});
    EXPECT_LE(listing.at("bmic") + listing["scsi"], 2u * 4u);
    EXPECT_EQ(listing.at("bmic.11"), 4u);
}
