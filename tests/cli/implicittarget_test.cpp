#include "cli/implicittarget.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// An implicit target for which only "controller slot=1" selects devices.
class TestTarget : public CImplicitTarget {
public:
    TestTarget() : CImplicitTarget(&printed) {}

    std::string run(const std::string& line)
    {
        printed.str("");
        return processCmdLn(line);
    }

    std::ostringstream printed;

protected:
    bool selectsDevices(const std::string& target) override { return target == "controller slot=1"; }
};

} // namespace

TEST(ImplicitTarget, WithoutATargetLinesPassWithABlankInFrontOfTheirTarget)
{
    TestTarget target;
    EXPECT_EQ(target.run("controller slot=2 show"), "controller slot=2 show");
    EXPECT_EQ(target.run("array A show"), " array A show");
    EXPECT_EQ(target.run("show target"), "");
    EXPECT_EQ(target.printed.str(), "\n   Target not set.\n");
    EXPECT_EQ(target.run("set target controller slot=99"), "");
    EXPECT_EQ(target.printed.str(), "   The target was not set.\n");
}

TEST(ImplicitTarget, ARememberedTargetIsPutInFrontOfLinesWithoutAController)
{
    TestTarget target;
    EXPECT_EQ(target.run("set target controller slot=1"), "");
    EXPECT_EQ(target.printed.str(), "\n   \"controller slot=1\"\n\n");
    EXPECT_EQ(target.run("array A show"), "controller slot=1 array A show");
    EXPECT_EQ(target.run("show"), "controller slot=1 show");
    EXPECT_EQ(target.run("controller slot=2 show"), "controller slot=2 show");
    EXPECT_EQ(target.run("target"), "");
    EXPECT_EQ(target.printed.str(), "\n   controller slot=1\n");

    // A target that selects nothing leaves the remembered one in place.
    EXPECT_EQ(target.run("set target controller slot=99"), "");
    EXPECT_EQ(target.printed.str(), "   The target was not changed. Current target: \"controller slot=1\"\n");
    EXPECT_EQ(target.savedTarget(), "controller slot=1");

    EXPECT_EQ(target.run("clear target"), "");
    EXPECT_EQ(target.printed.str(), "\n   Target Cleared.\n");
    EXPECT_EQ(target.run("array A show"), " array A show");
}
