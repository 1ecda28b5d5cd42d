// A controller whose every reply is filled with random bytes: whatever the tool makes of them,
// only printable text and line breaks reach the administrator's terminal, and each command ends
// with a status, never a crash.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/vnlprocess.h"

namespace {

bool isPrintableOutput(const std::string& output)
{
    return std::all_of(output.begin(), output.end(), [](char c) { return c == '\n' || (c >= ' ' && c <= '~'); });
}

TEST(GarbageReplies, OnlyPrintableTextReachesTheTerminal)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("server"));
    ASSERT_TRUE(dir.sim("garbage slot3 on"));
    const std::vector<std::vector<std::string>> commands = {
        {"controller", "all", "show", "config", "detail"},
        {"controller", "all", "show", "detail"},
        {"controller", "all", "show", "status"},
        {"controller", "slot=3", "physicaldrive", "all", "show", "detail"},
        {"controller", "slot=3", "logicaldrive", "all", "show", "detail"},
        {"controller", "slot=3", "tapedrive", "all", "show", "detail"},
    };
    for (const std::vector<std::string>& command : commands) {
        const Outcome run = runVnlcli(dir, command);
        EXPECT_TRUE(isPrintableOutput(run.output)) << command[1] << " " << command[2] << "\n" << run.output;
        EXPECT_TRUE(run.status == 0 || run.status == 1) << run.status;
    }
}

} // namespace
