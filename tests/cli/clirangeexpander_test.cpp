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

TEST(ExpandDriveNumbers, TagsEveryAddressOfARangeClampedToTheLargestAddresses)
{
    const std::pair<std::string, std::string> cases[] = {
        {"1:1-1:3", "1:1*,1:2*,1:3*"},
        {"1:24-2:2", "1:24*,1:25*,2:1*,2:2*"},
        {"1i:1:1-1i:1:2,2e:1:1", "1I:1:1*,1I:1:2*,2E:1:1"},
        {"4I:8:24-1E:1:2", "4I:8:24*,4I:8:25*,1E:1:1*,1E:1:2*"},
        {"1:5-1:5", "1:5*"},
        {"all", "all"},
        {"allunassigned", "allunassigned"},
        // A bay above 25 stops at 25; a port above the last becomes the last, with box and bay
        // at their maxima; a port below 1 becomes port 1 with box and bay 0.
        {"1:24-1:40", "1:24*,1:25*"},
        {"4I:8:24-6I:1:1", "4I:8:24*,4I:8:25*"},
        {"2E:8:25-7E:1:1", "2E:8:25*"},
        {"8:25-99999999999999999999:1", "8:25*"},
        {"0I:5:5-1I:0:1", "1I:0:0*,1I:0:1*"},
        // An end the odometer never reaches (a bay clamped to 0) ends the walk once passed.
        {"1:24-2:0", "1:24*,1:25*"},
    };
    for (const auto& [text, drives] : cases) {
        const Expansion result = expand(text);
        EXPECT_EQ(result.drives, drives) << text;
        EXPECT_EQ(result.errors, "") << text;
    }
}

TEST(ExpandDriveNumbers, RefusesMalformedAndDescendingRanges)
{
    for (const std::string item : {"1:1-1I:1:2", "1:1-2:2-3:3", "1-2", "1:2:3:4-1:2:3:5", "1:X-1:2",
                                   "1:1-1:", "1:1:1-1:1:2", "I:1:1-1I:1:2", "1IE:1:1-1I:1:2"}) {
        const Expansion result = expand("1:9," + item);
        EXPECT_EQ(result.drives, "") << item;
        EXPECT_EQ(result.errors, errorText("Invalid physical drive syntax: " + item)) << item;
        EXPECT_EQ(CError::errorCode(), 1);
    }
    for (const std::string item : {"1:3-1:1", "1E:1:1-4I:8:25"}) {
        const Expansion result = expand(item);
        EXPECT_EQ(result.drives, "") << item;
        EXPECT_EQ(result.errors, errorText("The following drive range must be specified in ascending order: " + item));
    }
}

TEST(StripSkippableTag, CutsFromTheFirstTag)
{
    EXPECT_EQ(StripSkippableTag("1I:1:2*"), "1I:1:2");
    EXPECT_EQ(StripSkippableTag("1:2"), "1:2");
}
