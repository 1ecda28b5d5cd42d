// How the delete command widens a selection of logical drives before it asks: logical drives go
// from the end of an array or as a whole, so a whole array or controller becomes that device
// and any other group of several is refused before the question.
#include "cli/storagecli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/clierror.h"
#include "tests/cli/consolecapture.h"
#include "tests/cli/showtree.h"

namespace {

using namespace ShowTree;

class Deleting : public StorageCLI {
public:
    Deleting() : StorageCLI(&output) {}
    // Runs delete on `devices`, answering "n" to any question; the selection it ended with.
    std::vector<DevicePtr> run(std::initializer_list<DevicePtr> devices)
    {
        CError::reset();
        output.str("");
        m_commandLine = "controller slot=3 logicaldrive 1 delete";
        m_devices.assign(devices);
        ConsoleInput answer("n\n");
        ExecuteDeleteCommand();
        return m_devices;
    }
    std::ostringstream output;
};

// The server tree with two more logical drives on array A and an array B with one.
struct ThreeAndOne : Server {
    DevicePtr ld2 = logicalDrive(arrayA, "1");
    DevicePtr ld3 = logicalDrive(arrayA, "2");
    DevicePtr arrayB = array(ctrl, "1");
    DevicePtr ld4 = logicalDrive(arrayB, "3");
};

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(DeleteCommand, LogicalDrivesWidenToTheirWholeArrayOrControllerOrAreRefused)
{
    ThreeAndOne tree;
    Deleting cli;
    using Selection = std::vector<DevicePtr>;

    EXPECT_EQ(cli.run({tree.ld1, tree.ld2, tree.ld3, tree.ld4}), Selection{tree.ctrl});
    EXPECT_FALSE(has(cli.output.str(), "renamed"));
    EXPECT_EQ(cli.run({tree.ld1, tree.ld2, tree.ld3}), Selection{tree.arrayA});
    EXPECT_TRUE(has(cli.output.str(), "Warning: Deleting an array can cause other array letters"));
    EXPECT_EQ(cli.run({tree.ld4}), Selection{tree.arrayB});
    EXPECT_EQ(cli.run({tree.ld3}), Selection{tree.ld3});
    EXPECT_TRUE(has(cli.output.str(), "Continue? (y/n)"));
    EXPECT_TRUE(CError::isOK());

    cli.run({tree.ld2, tree.ld3});
    EXPECT_EQ(cli.output.str(),
              "\nError: You must either delete the last logical drive or all logical drives in a\n"
              "       given array or controller.\n\n");
    EXPECT_EQ(CError::errorCode(), 1);
    CError::reset();
}
