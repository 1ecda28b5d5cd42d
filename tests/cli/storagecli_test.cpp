#include "cli/storagecli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/clierror.h"
#include "tests/cli/consolecapture.h"
#include "tests/cli/showtree.h"

namespace {

using Words = std::vector<std::string>;

// Runs one command line and exposes what the parser made of it; the parsed command itself
// is not carried out.
class ParsedLine : public StorageCLI {
public:
    void ExecuteCommand() override {}

    explicit ParsedLine(const std::string& line) : StorageCLI(&printed)
    {
        CError::reset();
        ExecuteCommandLine(line);
        errors = printed.str();
    }
    using StorageCLI::m_commandTokens;
    using StorageCLI::m_params;
    using StorageCLI::m_targetTokens;
    std::ostringstream printed;
    std::string errors;
};

std::string errorText(const std::string& message) { return "\nError: " + message + "\n\n"; }

std::string syntaxError(const std::string& word) { return errorText("Syntax error at \"" + word + "\""); }

} // namespace

TEST(ParseCommandLine, SplitsTargetCommandAndParameters)
{
    ParsedLine parsed("controller chassisname=\"Box One\" array A modify chassisname=\"New\" "
                      "hostmode=a=b forced connectionname=");
    EXPECT_EQ(parsed.errors, "");
    EXPECT_FALSE(parsed.isError());
    EXPECT_EQ(parsed.m_targetTokens, (Words{"controller", "chassisname=Box One", "array", "A"}));
    EXPECT_EQ(
        parsed.m_params,
        (ParamList{
            {"modify", ""}, {"chassisname", "New"}, {"hostmode", "a=b"}, {"forced", ""}, {"connectionname", ""}}));
}

TEST(ParseCommandLine, ReportsOnlyTheFirstOffendingWord)
{
    std::vector<std::pair<std::string, std::string>> cases = {
        {"controller slot=1 show show", "show"},
        {"controller slot=1 modify drivewritecache=enable drivewritecache=disable", "drivewritecache"},
        {"controller slot=1 modify raid", "raid"}, // keyword without a value
        {"controller slot=1 modify size=", "size"}, // empty value
        {"controller slot=1 modify forced=", "forced"},
        {"controller slot=1 modify foo=1 bar", "foo"}, // no keyword at all
        {"controller slot=1 modify \"\" ssp=on", ""},
    };
    for (const auto& [line, word] : cases) {
        ParsedLine parsed(line);
        EXPECT_EQ(parsed.errors, syntaxError(word)) << line;
        EXPECT_TRUE(parsed.isError());
        EXPECT_EQ(CError::errorCode(), 1);
    }
    EXPECT_EQ(ParsedLine("controller slot=1").errors,
              errorText("Invalid command. Type \"help\" for a list of valid commands."));
}

TEST(ParseCommandLine, NewLineForgetsThePreviousOne)
{
    ParsedLine parsed("controller slot=1 show show");
    parsed.ExecuteCommandLine("controller slot=1 modify ssp=on");
    EXPECT_FALSE(parsed.isError());
    EXPECT_EQ(parsed.m_params, (ParamList{{"modify", ""}, {"ssp", "on"}}));
}

TEST(StorageCLI, LeftOverParametersAreRefused)
{
    ParsedLine parsed("controller slot=1 modify raid=5 size=10");
    parsed.m_params.pop_front();
    EXPECT_TRUE(parsed.isExtraneousParams());
    EXPECT_EQ(parsed.printed.str(),
              "\nCommand Line Entered: \n   controller slot=1 modify raid=5 size=10\n" +
                  errorText("\"raid\"  See help for usage."));
    parsed.m_params.clear();
    EXPECT_FALSE(parsed.isExtraneousParams());
}

// The checks every handler makes before it changes anything, and the generic
// path that runs one named operation on the selected devices.

namespace {

using namespace ShowTree;

class Processor : public StorageCLI {
public:
    Processor() : StorageCLI(&output) {}
    void select(std::initializer_list<DevicePtr> devices) { m_devices.assign(devices); }

    std::ostringstream output;
};

class HandlerChecks : public ::testing::Test {
protected:
    void SetUp() override { CError::reset(); }
    void TearDown() override { CError::reset(); }

    Server server;
    Processor cli;
};

} // namespace

TEST_F(HandlerChecks, ValueCheckAcceptsOnlyTheAllowedWordsAndNamesThem)
{
    bool error = false;
    cli.valueCheck(error, "led", "off", "on", "off");
    EXPECT_FALSE(error);
    // An empty allowed word never matches an empty value.
    cli.valueCheck(error, "led", "", "on", "", "off");
    EXPECT_TRUE(error);
    EXPECT_EQ(cli.output.str(), errorText("Invalid value \"\" for \"led\": expecting \"on\" or \"off\"."));
    EXPECT_EQ(CError::errorCode(), 1);
    error = false;
    cli.output.str("");
    cli.valueCheck(error, "mode", "x", "a", "b", "c");
    EXPECT_EQ(cli.output.str(), errorText("Invalid value \"x\" for \"mode\": expecting \"a\", \"b\" or \"c\"."));
}

TEST_F(HandlerChecks, ChecksDoNothingOnceAnEarlierOneFailed)
{
    ConsoleInput answer("n\n");
    bool error = true;
    cli.select({server.ld1});
    cli.valueCheck(error, "led", "x", "y");
    cli.targetCheck(error, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, "never printed");
    cli.forcedCheck(error, false, "never asked");
    EXPECT_EQ(cli.output.str(), "");
    EXPECT_TRUE(CError::isOK());
}

TEST_F(HandlerChecks, TargetCheckLooksAtTheFirstSelectedDevice)
{
    bool error = false;
    cli.select({server.ctrl, server.ld1});
    cli.targetCheck(error, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, "must be a controller");
    EXPECT_FALSE(error);
    cli.select({server.ld1});
    cli.targetCheck(error, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, "must be a controller");
    EXPECT_TRUE(error);
    EXPECT_EQ(cli.output.str(), "\nError: must be a controller\n\n");
}

TEST_F(HandlerChecks, ForcedCheckAsksUnlessForcedAndAcceptsOnlyYes)
{
    for (const auto& [answer, refused] : {std::pair{"y\n", false}, {"Y\n", false}, {"yes\n", true}, {"\n", true}}) {
        ConsoleInput input(answer);
        cli.output.str("");
        bool error = false;
        cli.forcedCheck(error, false, "Go on?");
        EXPECT_EQ(error, refused) << answer;
        EXPECT_NE(cli.output.str().find("Go on?"), std::string::npos);
    }
    ConsoleInput input("n\n");
    cli.output.str("");
    bool error = false;
    cli.forcedCheck(error, true, "Go on?");
    EXPECT_FALSE(error);
    EXPECT_EQ(cli.output.str(), "");
}

TEST_F(HandlerChecks, AnUnsupportedOperationIsReportedOnceForAllDevices)
{
    cli.select({server.ld1, server.pd1});
    cli.ProcessOp("OPERATION_WRITE_NOTHING", {{ATTR_NAME_RAID, "5"}});
    std::string output = cli.output.str();
    EXPECT_NE(output.find("This operation is not supported"), std::string::npos);
    EXPECT_EQ(output.find("Error:"), output.rfind("Error:"));
    EXPECT_EQ(CError::errorCode(), 1);
}
