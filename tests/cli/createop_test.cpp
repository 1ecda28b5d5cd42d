// The create handler's checks and messages, on a tree built by hand whose
// controller offers no create operations: everything here is refused before
// anything could be written.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/clierror.h"
#include "cli/storagecli.h"
#include "tests/cli/showtree.h"

namespace {

using namespace ShowTree;

class Creator : public StorageCLI {
public:
    Creator() : StorageCLI(&output) {}
    // Runs "create type=ld" with `params` on `target`.
    std::string create(const DevicePtr& target, ParamList params)
    {
        CError::reset();
        output.str("");
        m_devices.assign({target});
        m_params = std::move(params);
        CreateLogicalDrive();
        return output.str();
    }

    std::ostringstream output;
};

std::string errorText(const std::string& message) { return "\nError: " + message + "\n\n"; }

class CreateChecks : public ::testing::Test {
protected:
    void TearDown() override { CError::reset(); }

    Server server;
    Creator cli;
};

} // namespace

// The messages of the create command are pinned end to end; these are the edges the
// transcripts do not reach.
TEST_F(CreateChecks, SizesQueriesAndUnknownWordsAreRefusedFirst)
{
    for (const char* size : {"-1", "1 0"})
        EXPECT_EQ(cli.create(server.ctrl, {{"size", size}})
                      .find(std::string("\nError: Syntax error at \"") + size + "\", expecting numeric characters"),
                  0u)
            << size;
    // One question per command, even when the two values go to different steps.
    EXPECT_EQ(cli.create(server.ctrl, {{"stripesize", "?"}, {"drivetype", "?"}}),
              errorText("Only one query can be issued at a time."));
    EXPECT_NE(cli.create(server.ctrl, {{"bogus", "1"}}).find("\"bogus\"  See help for usage."), std::string::npos);
    EXPECT_EQ(CError::errorCode(), 1);
    // The controller of this tree cannot make arrays.
    EXPECT_NE(cli.create(server.ctrl, {{"drivetype", "sas"}}).find("This operation is not supported"),
              std::string::npos);
}
