#include "cli/clirangeexpander.h"

#include <gtest/gtest.h>

#include "cli/clierror.h"
#include "cli/cliformatter.h"
#include "tests/cli/consolecapture.h"

namespace {

struct Expansion {
    std::string drives;
    std::string errors;
};

Expansion expand(const std::string& text)
{
    CError::reset();
    ConsoleCapture console;
    Expansion result;
    result.drives = CRangeExpander::expandDriveNumbers(text);
    result.errors = console.output();
    return result;
}

std::string errorText(const std::string& message) { return "\n" + CFormatter::format(message, "Error: ", 79) + "\n\n"; }

} // namespace

TEST(ExpandDriveNumbers, TagsEveryAddressARangeProducesAndKeepsSingleDrives)
{
    EXPECT_EQ(expand("1:1-1:3").drives, "1:1*,1:2*,1:3*");
    EXPECT_EQ(expand("1:24-2:2").drives, "1:24*,1:25*,2:1*,2:2*");
    EXPECT_EQ(expand("1i:1:1-1i:1:2,2e:1:1").drives, "1I:1:1*,1I:1:2*,2E:1:1");
    EXPECT_EQ(expand("1:5-1:5").drives, "1:5*");
    EXPECT_EQ(expand("3:2").drives, "3:2");
    EXPECT_EQ(CError::errorCode(), 0);
}

TEST(ExpandDriveNumbers, WalksPortsInternalBeforeExternal)
{
    EXPECT_EQ(expand("4I:8:24-1E:1:2").drives, "4I:8:24*,4I:8:25*,1E:1:1*,1E:1:2*");
}

TEST(ExpandDriveNumbers, WildcardsPassUnchanged)
{
    EXPECT_EQ(expand("all").drives, "all");
    EXPECT_EQ(expand("allunassigned").drives, "allunassigned");
}

TEST(ExpandDriveNumbers, ClampsEndsToTheLargestAddresses)
{
    // A bay above 25 stops at 25; an internal port above 4 becomes 4I with the
    // box and bay after it at their maxima.
    EXPECT_EQ(expand("1:24-1:40").drives, "1:24*,1:25*");
    EXPECT_EQ(expand("4I:8:24-6I:1:1").drives, "4I:8:24*,4I:8:25*");
    EXPECT_EQ(expand("2E:8:25-7E:1:1").drives, "2E:8:25*");
    EXPECT_EQ(expand("8:25-99999999999999999999:1").drives, "8:25*");
    // A port below 1 becomes port 1 and its box and bay 0.
    EXPECT_EQ(expand("0I:5:5-1I:0:1").drives, "1I:0:0*,1I:0:1*");
}

// An end whose bay was clamped to 0 lies between odometer positions; the walk
// must stop after passing it rather than run for ever.
TEST(ExpandDriveNumbers, StopsAtAnEndTheOdometerNeverReaches)
{
    Expansion result = expand("1:24-2:0");
    EXPECT_EQ(result.drives, "1:24*,1:25*");
    EXPECT_EQ(result.errors, "");
}

TEST(ExpandDriveNumbers, RefusesMalformedRanges)
{
    for (const std::string item : {"1:1-1I:1:2", "1:1-2:2-3:3", "1-2", "1:2:3:4-1:2:3:5", "1:X-1:2", "1:1-1:",
                                   "1:1:1-1:1:2", "I:1:1-1I:1:2", "1IE:1:1-1I:1:2"}) {
        Expansion result = expand("1:9," + item);
        EXPECT_EQ(result.drives, "") << item;
        EXPECT_EQ(result.errors, errorText("Invalid physical drive syntax: " + item))
            << item;
        EXPECT_EQ(CError::errorCode(), 1);
    }
}

TEST(ExpandDriveNumbers, RefusesADescendingRange)
{
    Expansion result = expand("1:3-1:1");
    EXPECT_EQ(result.drives, "");
    EXPECT_EQ(result.errors, errorText("The following drive range must be specified in ascending order: 1:3-1:1"));
    EXPECT_EQ(expand("1E:1:1-4I:8:25").errors,
              errorText("The following drive range must be specified in ascending order: 1E:1:1-4I:8:25"));
}

TEST(StripSkippableTag, CutsFromTheFirstTag)
{
    EXPECT_EQ(StripSkippableTag("1I:1:2*"), "1I:1:2");
    EXPECT_EQ(StripSkippableTag("1:2"), "1:2");
    EXPECT_EQ(StripSkippableTag("*"), "");
}
