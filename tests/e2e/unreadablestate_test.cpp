// The tool on simulated hardware whose state cannot be read: the library answers nothing, so
// the tool finds no controller and fails, and the state is left for the administrator to see.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "tests/e2e/vnlprocess.h"

TEST(UnreadableState, NoControllerIsFoundAndTheStateIsKept)
{
    LockDir dir;
    const std::string state = dir.path + "/sim/state";
    ASSERT_EQ(mkdir((dir.path + "/sim").c_str(), 0755), 0);
    std::ofstream{state};
    Outcome all = runVnlcli(dir, {"ctrl", "all", "show"});
    EXPECT_EQ(all.output, "\nError: No controllers detected.\n\n");
    EXPECT_EQ(all.status, 1);
    Outcome named = runVnlcli(dir, {"ctrl", "slot=3", "show"});
    EXPECT_EQ(named.output, "\nError: The controller identified by \"slot=3\" was not detected.\n\n");
    EXPECT_EQ(named.status, 1);
    struct stat st {};
    ASSERT_EQ(stat(state.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 0) << "the empty state was replaced";
}
