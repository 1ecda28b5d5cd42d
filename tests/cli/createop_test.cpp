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

TEST_F(CreateChecks, TargetAndWordsAreCheckedFirst)
{
    EXPECT_EQ(cli.create(server.ld1, {}), errorText("The specified target must either be a controller or an array."));
    for (const char* size : {"10gb", "1.5", "-1", "1 0"})
        EXPECT_EQ(cli.create(server.ctrl, {{"size", size}})
                      .find(std::string("\nError: Syntax error at \"") + size + "\", expecting numeric characters"),
                  0u)
            << size;
    for (ParamList drives : {ParamList{{"drives", "1I:1:1"}}, ParamList{{"drivetype", "sas"}}})
        EXPECT_NE(cli.create(server.arrayA, drives).find("If you target an array when creating a logical drive"),
                  std::string::npos);
    // One question per command, even when the two values go to different steps.
    EXPECT_EQ(cli.create(server.ctrl, {{"raid", "?"}, {"arrayaccelerator", "?"}}),
              errorText("Only one query can be issued at a time."));
    EXPECT_EQ(cli.create(server.ctrl, {{"stripesize", "?"}, {"drivetype", "?"}}),
              errorText("Only one query can be issued at a time."));
    EXPECT_NE(cli.create(server.ctrl, {{"bogus", "1"}}).find("\"bogus\"  See help for usage."), std::string::npos);
    EXPECT_EQ(CError::errorCode(), 1);
}

TEST_F(CreateChecks, DriveTypesOfferedAreThoseOfTheControllersDrives)
{
    EXPECT_EQ(cli.create(server.ctrl, {{"drivetype", "?"}}), "\nAvailable options are:\n   sas\n\n");
    EXPECT_EQ(CError::errorCode(), 0);
    EXPECT_EQ(cli.create(server.ctrl, {{"drivetype", "sata"}}),
              "\nError: \"drivetype=sata\" is not a valid option for Orvex Varnel V30 in Slot 3\n"
              "\nAvailable options are:\n   sas\n\n");
    EXPECT_EQ(CError::errorCode(), 1);
}

TEST_F(CreateChecks, DriveListsAreCheckedBeforeAnArrayIsMade)
{
    EXPECT_EQ(cli.create(server.ctrl, {{"drives", "1I:1:1"}})
                  .find("\nError: The drives specified must match the drives in the targeted array\n"),
              0u);
    EXPECT_EQ(cli.create(server.ctrl, {{"drives", "1I:1:1,1I:1:1"}}),
              errorText("There cannot be duplicate drives specified."));
    EXPECT_NE(cli.create(server.ctrl, {{"drives", "1I:1:2-1I:1:1"}})
                  .find("The following drive range must be specified in ascending order:"),
              std::string::npos);
    // A range names drives that may not exist; when none does, nothing is left.
    EXPECT_EQ(cli.create(server.ctrl, {{"drives", "3I:1:1-3I:1:4"}})
                  .find("\nError: None of the specified physical drives where detected."),
              0u);
    physicalDrive(server.ctrl, "sata",
                  {{ATTR_NAME_PORT, "2I"},
                   {ATTR_NAME_BOX, "1"},
                   {ATTR_NAME_BAY, "2"},
                   {ATTR_NAME_DRIVE_TYPE, ATTR_VALUE_DRIVE_TYPE_UNASSIGNED},
                   {ATTR_NAME_INTERFACE, ATTR_VALUE_INTERFACE_SATA}});
    EXPECT_NE(cli.create(server.ctrl, {}).find("because drives of differing types were"), std::string::npos);
    // The controller of this tree cannot make arrays.
    EXPECT_NE(cli.create(server.ctrl, {{"drivetype", "sas"}}).find("This operation is not supported"),
              std::string::npos);
}

TEST_F(CreateChecks, AControllerWithoutFreeDrivesSaysSo)
{
    server.loose->Receive(Core::Attribute(ATTR_NAME_DRIVE_TYPE, ATTR_VALUE_DRIVE_TYPE_SPARE));
    EXPECT_EQ(
        cli.create(server.ctrl, {})
            .find("\nError: The specified controller does not have any unassigned physical drives on\n       it."),
        0u);
    EXPECT_EQ(CError::errorCode(), 1);
}
