// The checks every handler makes before it changes anything, and the generic
// path that runs one named operation on the selected devices.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/clierror.h"
#include "cli/storagecli.h"
#include "tests/cli/consolecapture.h"
#include "tests/cli/showtree.h"

using namespace ShowTree;

namespace {

class Processor : public StorageCLI {
public:
    Processor() : StorageCLI(&output) {}
    void select(std::initializer_list<DevicePtr> devices) { m_devices.assign(devices); }

    std::ostringstream output;
};

class ProcessOpTest : public ::testing::Test {
protected:
    void SetUp() override { CError::reset(); }
    void TearDown() override { CError::reset(); }

    Server server;
    Processor cli;
};

} // namespace

TEST_F(ProcessOpTest, ValueCheckAcceptsOnlyTheAllowedWords)
{
    ConsoleCapture console;
    bool error = false;
    cli.valueCheck(error, "enable", "enable", "disable");
    EXPECT_FALSE(error);
    // An empty allowed word never matches an empty value.
    cli.valueCheck(error, "", "enable", "disable");
    EXPECT_TRUE(error);
    EXPECT_NE(console.output().find("Error: Invalid value \"\"."), std::string::npos) << console.output();
    EXPECT_EQ(CError::errorCode(), 1);
}

TEST_F(ProcessOpTest, ChecksDoNothingOnceAnEarlierOneFailed)
{
    ConsoleCapture console("n\n");
    bool error = true;
    cli.select({server.ld1});
    cli.valueCheck(error, "x", "y");
    cli.targetCheck(error, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, "never printed");
    cli.forcedCheck(error, false, "never asked");
    EXPECT_EQ(console.output(), "");
    EXPECT_TRUE(CError::isOK());
}

TEST_F(ProcessOpTest, TargetCheckLooksAtTheFirstSelectedDevice)
{
    ConsoleCapture console;
    bool error = false;
    cli.select({server.ctrl, server.ld1});
    cli.targetCheck(error, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, "must be a controller");
    EXPECT_FALSE(error);
    cli.select({server.ld1});
    cli.targetCheck(error, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, "must be a controller");
    EXPECT_TRUE(error);
    EXPECT_EQ(console.output(), "\nError: must be a controller\n\n");
}

TEST_F(ProcessOpTest, ForcedCheckAsksUnlessForcedAndAcceptsOnlyYes)
{
    for (const auto& [answer, refused] : {std::pair{"y\n", false}, {"Y\n", false}, {"yes\n", true}, {"\n", true}}) {
        ConsoleCapture console(answer);
        bool error = false;
        cli.forcedCheck(error, false, "Go on?");
        EXPECT_EQ(error, refused) << answer;
        EXPECT_NE(console.output().find("Go on?"), std::string::npos);
    }
    ConsoleCapture console("n\n");
    bool error = false;
    cli.forcedCheck(error, true, "Go on?");
    EXPECT_FALSE(error);
    EXPECT_EQ(console.output(), "");
}

TEST_F(ProcessOpTest, AnUnsupportedOperationIsReportedOnceForAllDevices)
{
    ConsoleCapture console;
    cli.select({server.ld1, server.pd1});
    cli.ProcessOp("OPERATION_WRITE_NOTHING", {{ATTR_NAME_RAID, "5"}});
    std::string output = console.output();
    EXPECT_NE(output.find("This operation is not supported"), std::string::npos);
    EXPECT_EQ(output.find("Error:"), output.rfind("Error:"));
    EXPECT_EQ(CError::errorCode(), 1);
}
