#include "common/texthelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Common::string;

std::vector<std::string> pieces(const Common::list<string>& list)
{
    std::vector<std::string> out;
    for (const string& piece : list)
        out.emplace_back(piece.c_str(), piece.size());
    return out;
}

TEST(TextHelpersTest, SplitKeepsTheLastPieceAndNeverLoops)
{
    EXPECT_EQ(pieces(Common::split("a,b,", ",")), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(pieces(Common::split("a*-*b", "*-*")), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(pieces(Common::split("ab", ",")), (std::vector<std::string>{"ab"}));
    EXPECT_EQ(pieces(Common::split("ab", "")), (std::vector<std::string>{"ab"}));
    EXPECT_EQ(pieces(Common::split("", ",")), (std::vector<std::string>{""}));
}

TEST(TextHelpersTest, ReplaceAllNeverSearchesWhatItInserted)
{
    string text = "a-a-a";
    Common::ReplaceAll(text, "a", "aa");
    EXPECT_EQ(text, "aa-aa-aa");
    Common::ReplaceAll(text, "", "x");
    EXPECT_EQ(text, "aa-aa-aa");
    Common::ReplaceAll(text, "-", "");
    EXPECT_EQ(text, "aaaaaa");
}

TEST(TextHelpersTest, SkippingStaysInsideTheText)
{
    const string text = " \t ab  ";
    EXPECT_EQ(Common::SkipWhiteSpace(text, 0, Common::SKIP_FORWARD), 3u);
    EXPECT_EQ(Common::SkipWhiteSpace(text, 7, Common::SKIP_BACKWARD), 5u);
    EXPECT_EQ(Common::SkipWhiteSpace(text, 99, Common::SKIP_BACKWARD), 5u);
    EXPECT_EQ(Common::SkipWhiteSpace(" ", 0, Common::SKIP_FORWARD), 1u);
    EXPECT_EQ(Common::SkipWhiteSpace(" ", 1, Common::SKIP_BACKWARD), 0u);

    std::size_t first = 0, last = text.size();
    Common::TrimWhiteSpace(text, first, last);
    EXPECT_EQ(text.substr(first, last - first), "ab");
    first = 0, last = 3;
    Common::TrimWhiteSpace("   ", first, last);
    EXPECT_EQ(first, last);

    EXPECT_EQ(Common::SkipChar("xxxxy", 0, 'x', Common::SKIP_FORWARD, 3), 3u);
    EXPECT_EQ(Common::SkipChar("yxx", 3, 'x', Common::SKIP_BACKWARD, 9), 1u);
}

} // namespace
