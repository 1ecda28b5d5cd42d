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
