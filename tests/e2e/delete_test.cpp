// The delete command on the simulated hardware, each step a separate vnlcli process, so that
// what a delete leaves behind is what the controller stored, not what one process remembers.
#include <gtest/gtest.h>

#include "tests/e2e/vnlprocess.h"

namespace {

using Words = std::vector<std::string>;

class Delete : public ::testing::Test {
protected:
    Outcome run(const Words& args, const std::string& input = "") { return runVnlcli(dir, args, input); }
    // The logical drives of the slot 3 controller, as a new process lists them.
    std::string logicalDrives() { return run({"ctrl", "slot=3", "ld", "all", "show"}).output; }
    static bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

    LockDir dir;
};

} // namespace

TEST_F(Delete, NoKeepsEverythingWhileYesAndForcedDelete)
{
    const std::string before = logicalDrives();
    ASSERT_TRUE(has(before, "logicaldrive 4 "));
    EXPECT_EQ(run({"ctrl", "slot=3", "ld", "4", "delete"}, "n\n").status, 0);
    EXPECT_EQ(logicalDrives(), before);

    EXPECT_EQ(run({"ctrl", "slot=3", "ld", "4", "delete"}, "y\n").status, 0);
    const std::string afterYes = logicalDrives();
    EXPECT_FALSE(has(afterYes, "logicaldrive 4 "));
    EXPECT_TRUE(has(afterYes, "logicaldrive 3 "));

    const Outcome forced = run({"ctrl", "slot=3", "array", "A", "delete", "forced"});
    EXPECT_EQ(forced.status, 0) << forced.output;
    const std::string afterForced = logicalDrives();
    EXPECT_FALSE(has(afterForced, "logicaldrive 1 ")) << afterForced;
    EXPECT_TRUE(has(afterForced, "array A")) << afterForced; // array B became array A
}

TEST_F(Delete, AnInterruptedDeleteLeavesEachLogicalDriveWholeOrGone)
{
    // A failure of the first record write deletes nothing.
    const std::string before = logicalDrives();
    ASSERT_TRUE(dir.sim("check-condition-on slot3 51 1"));
    Outcome failed = run({"ctrl", "slot=3", "array", "B", "delete", "forced"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(logicalDrives(), before);

    // Logical drive 4, failed, is deleted without a block read; the read of logical drive 3
    // fails, which keeps it as it was.
    ASSERT_TRUE(dir.sim("fail-ld slot3 3"));
    ASSERT_TRUE(dir.sim("check-condition-on slot3 20 1"));
    failed = run({"ctrl", "slot=3", "array", "B", "delete", "forced"});
    EXPECT_EQ(failed.status, 1);
    const std::string after = logicalDrives();
    EXPECT_FALSE(has(after, "logicaldrive 4 ")) << after;
    EXPECT_TRUE(has(after, "logicaldrive 3 (50.0 GB, RAID 1+0, OK)")) << after;
}
