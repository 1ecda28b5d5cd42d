// The create command on the simulated hardware, each step a separate vnlcli process, so that
// what a create leaves behind is what the controller stored, not what one process remembers.
#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/vnlprocess.h"

namespace {

using Words = std::vector<std::string>;

class Create : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.usePreset("small")); }

    Outcome run(const Words& args) { return runVnlcli(dir, args); }
    // The whole configuration as a new process reads it.
    std::string configuration() { return run({"ctrl", "all", "show", "config", "detail"}).output; }
    void expectHas(const std::string& text, const std::string& part) const
    {
        EXPECT_NE(text.find(part), std::string::npos) << "no \"" << part << "\" in:\n" << text;
    }

    LockDir dir;
};

} // namespace

TEST_F(Create, AFailedWriteLeavesTheConfigurationAsItWas)
{
    const std::string before = configuration();
    // The set-logical-drive-configuration command fails once the new array exists in the tool.
    ASSERT_TRUE(dir.sim("check-condition-on slot1 51 1"));
    Outcome failed = run({"ctrl", "slot=1", "create", "type=ld", "drives=1I:1:1,1I:1:2", "raid=1"});
    EXPECT_EQ(failed.status, 1);
    expectHas(failed.output, "Error: This command did not complete properly.");
    EXPECT_EQ(configuration(), before);
}

TEST_F(Create, ACreateRefusedByAnotherInstanceChangesNothing)
{
    const std::string before = configuration();
    {
        VnlProcess holder(dir, {});
        ASSERT_NE(holder.readUntil("=> ").find("Done."), std::string::npos);
        Outcome refused = run({"ctrl", "slot=1", "create", "type=ld"});
        EXPECT_EQ(refused.status, 1);
        expectHas(refused.output, "Another instance of VNL is already running");
        holder.write("exit\n");
        holder.finish();
    }
    EXPECT_EQ(configuration(), before);
}

TEST_F(Create, ANewProcessSeesTheLogicalDriveAsItWasAskedFor)
{
    Outcome made = run({"ctrl", "slot=1", "create", "type=ld", "drives=1I:1:1-1I:1:3", "raid=5", "size=2000",
                        "stripesize=32", "sectors=32"});
    ASSERT_EQ(made.status, 0) << made.output;
    const std::string detail = run({"ctrl", "slot=1", "ld", "1", "show", "detail"}).output;
    for (const char* line :
         {"Size: 2.0 GB\n", "Fault Tolerance: RAID 5\n", "Stripe Size: 32 KB\n", "Sectors Per Track: 32\n"})
        expectHas(detail, line);
}
