// Listings group drives under the array they belong to, on the default simulated server.
#include <gtest/gtest.h>

#include "tests/e2e/vnlprocess.h"

namespace {

// The text between two headings of a listing.
std::string section(const std::string& text, const std::string& from, const std::string& to)
{
    std::size_t start = text.find(from);
    std::size_t end = text.find(to, start == std::string::npos ? 0 : start);
    if (start == std::string::npos || end == std::string::npos)
        return "";
    return text.substr(start, end - start);
}

} // namespace

TEST(ShowGrouping, DataDrivesAndSparesStandUnderTheirArray)
{
    LockDir dir;
    for (const char* command : {"ctrl slot=3 show config", "ctrl slot=3 pd all show"}) {
        Outcome run = runVnlcli(dir, {command});
        ASSERT_EQ(run.status, 0) << run.output;
        const std::string arrayA = section(run.output, "array A", "array B");
        const std::string arrayB = section(run.output, "array B", "unassigned");
        EXPECT_NE(arrayA.find("physicaldrive 1E:1:1 "), std::string::npos) << command;
        EXPECT_NE(arrayA.find("1E:1:4 (port 1E:box 1:bay 4, SAS, 300 GB, OK, spare)"), std::string::npos) << command;
        EXPECT_NE(arrayB.find("physicaldrive 2E:1:4 "), std::string::npos) << command;
        EXPECT_EQ(arrayB.find("1E:1:"), std::string::npos) << command;
    }
}
