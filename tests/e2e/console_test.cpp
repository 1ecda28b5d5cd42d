// The console as a user meets it: what vnlcli prints, byte for byte, and its
// exit status.
#include <gtest/gtest.h>

#include "tests/e2e/vnlprocess.h"

namespace {

const std::string OPENING = "Orvex Varnel CLI 7.80-3.0\nDetecting Controllers...Done.\n"
                            "Type \"help\" for a list of supported commands.\nType \"exit\" to close the console.\n\n";
const std::string PROMPT = "=> ";
const std::string VERSION = "\n   VNL CLI Version: 7.80-3.0\n   MoruAPI Version: 4.5-15\n\n";

std::string errorText(const std::string& message) { return "\nError: " + message + "\n\n"; }

} // namespace

TEST(Console, LeavesWithStatusZeroOnQuitExitOrEndOfInput)
{
    LockDir dir;
    for (const char* input : {"QUIT\n", "Exit  \n", "quit", ""}) {
        Outcome run = runVnlcli(dir, {}, input);
        EXPECT_EQ(run.output, OPENING + PROMPT) << input;
        EXPECT_EQ(run.status, 0) << input;
    }
    EXPECT_EQ(runVnlcli(dir, {}, "\n\nexit\n").output, OPENING + PROMPT + PROMPT + PROMPT);
}

TEST(Console, ErrorOfOneLineDoesNotOutliveIt)
{
    LockDir dir;
    Outcome run = runVnlcli(dir, {}, "ctrl slot=1 show show\nversion\n");
    EXPECT_EQ(run.output, OPENING + PROMPT + errorText("Syntax error at \"show\"") + PROMPT + VERSION + PROMPT);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(runVnlcli(dir, {}, "helpme\n").output.find("Error"), std::string::npos);
}

TEST(Console, OverlongLineIsRefusedWholeAndTheConsoleGoesOn)
{
    LockDir dir;
    std::string longest = "version" + std::string(1016, ' ');
    std::string overlong = "ctrl slot=1 modify ch=" + std::string(1100, 'x') + " show show";
    Outcome run = runVnlcli(dir, {}, longest + "\n" + overlong + "\nversion\n");
    EXPECT_EQ(run.output,
              OPENING + PROMPT + VERSION + PROMPT + errorText("The command line is too long.") + PROMPT + VERSION +
                  PROMPT);
    EXPECT_EQ(run.status, 0);

    Outcome oneShot = runVnlcli(dir, {"ctrl", "slot=1", "modify", "ch=" + std::string(1100, 'x')});
    EXPECT_EQ(oneShot.output, errorText("The command line is too long."));
    EXPECT_EQ(oneShot.status, 1);
}

TEST(Console, OneShotCommandsPrintExactlyTheirResult)
{
    LockDir dir;
    std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"VERSION"}, VERSION},
        {{"ctrl", "slot=1", "show", "show"}, errorText("Syntax error at \"show\"")},
        {{"controller", "slot=1"}, errorText("Invalid command. Type \"help\" for a list of valid commands.")},
        // One argument holding a blank: a naming value is quoted again ...
        {{"ctrl", "slot=1", "modify", "cn=Host A", "foo"}, errorText("Syntax error at \"foo\"")},
        // ... any other value falls apart at the blank.
        {{"ctrl", "slot=1", "modify", "size=1 000"}, errorText("Syntax error at \"000\"")},
    };
    for (const auto& [args, expected] : cases) {
        Outcome run = runVnlcli(dir, args);
        EXPECT_EQ(run.output, expected) << args.back();
        EXPECT_EQ(run.status, expected == VERSION ? 0 : 1) << args.back();
    }
}
