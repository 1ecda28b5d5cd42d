#include "cli/storagecli.h"

#include <gtest/gtest.h>

#include "cli/clierror.h"
#include "tests/cli/consolecapture.h"

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
        ConsoleCapture console;
        ExecuteCommandLine(line);
        errors = console.output();
    }
    using StorageCLI::m_commandTokens;
    using StorageCLI::m_params;
    using StorageCLI::m_targetTokens;
    std::string errors;
    std::ostringstream printed;
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
    EXPECT_EQ(parsed.m_params, (ParamList{{"modify", ""}, {"chassisname", "New"}, {"hostmode", "a=b"},
                                          {"forced", ""}, {"connectionname", ""}}));
}

TEST(ParseCommandLine, ReportsOnlyTheFirstOffendingWord)
{
    std::vector<std::pair<std::string, std::string>> cases = {
        {"controller slot=1 show show", "show"},
        {"controller slot=1 modify drivewritecache=enable drivewritecache=disable", "drivewritecache"},
        {"controller slot=1 modify raid", "raid"},       // keyword without a value
        {"controller slot=1 modify size=", "size"},      // empty value
        {"controller slot=1 modify forced=", "forced"},
        {"controller slot=1 modify foo=1 bar", "foo"},   // no keyword at all
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
    ConsoleCapture console;
    parsed.ExecuteCommandLine("controller slot=1 modify ssp=on");
    EXPECT_FALSE(parsed.isError());
    EXPECT_EQ(parsed.m_params, (ParamList{{"modify", ""}, {"ssp", "on"}}));
}

TEST(StorageCLI, LeftOverParametersAreRefused)
{
    ParsedLine parsed("controller slot=1 modify raid=5 size=10");
    parsed.m_params.pop_front();
    ConsoleCapture console;
    EXPECT_TRUE(parsed.isExtraneousParams());
    EXPECT_EQ(parsed.printed.str(), "\nCommand Line Entered: \n   controller slot=1 modify raid=5 size=10\n");
    EXPECT_EQ(console.output(), errorText("\"raid\"  See help for usage."));
    parsed.m_params.clear();
    EXPECT_FALSE(parsed.isExtraneousParams());
}
