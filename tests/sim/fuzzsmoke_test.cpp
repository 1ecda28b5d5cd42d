// A short run of the fuzz driver on every build, so that a crash or a
// sanitizer report on random requests fails the suite, not only a fuzzing
// session. (With libFuzzer the target is run by hand; see sim/README.md.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace {

TEST(FuzzSmoke, RandomRequestsForThreeSecondsEndCleanly)
{
    char pattern[] = "/tmp/vnlsim-fuzzsmoke-XXXXXX";
    std::string dir = ::mkdtemp(pattern);
    std::string command = "VNLSIM_STATE=" + dir + "/state " + VNLSIM_FUZZ + " 3 4242 >/dev/null 2>&1";
    int status = std::system(command.c_str());
    std::system(("rm -rf " + dir).c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
