#include "common/compoundlist.h"

#include <gtest/gtest.h>

#include <vector>

using Common::CompoundList;
using Common::string;

namespace {

std::vector<string> Elements(const string& text, bool allowDuplicates = true)
{
    CompoundList list(text, allowDuplicates);
    return std::vector<string>(list.begin(), list.end());
}

} // namespace

TEST(CompoundList, TextFormRoundTripsAndHonoursTheDuplicatesFlag)
{
    EXPECT_EQ((std::vector<string>{"a", "b"}), Elements("a*-*a*-*b", false));
    EXPECT_EQ((std::vector<string>{"a", "a", "b"}), Elements("a*-*a*-*b"));
    EXPECT_EQ("a*-*a*-*b", CompoundList("a*-*a*-*b*-*", true).toString());
    EXPECT_EQ("a, b", CompoundList("a*-*b", true).toString(", "));
}

TEST(CompoundList, TextFormEdges)
{
    EXPECT_EQ((std::vector<string>{}), Elements(""));
    EXPECT_EQ((std::vector<string>{""}), Elements("*-*"));
    EXPECT_EQ((std::vector<string>{"a", "", "b"}), Elements("a*-**-*b"));
    EXPECT_EQ((std::vector<string>{"", "a"}), Elements("*-*a"));
    // A trailing fragment of the delimiter belongs to the element.
    EXPECT_EQ((std::vector<string>{"x*-"}), Elements("x*-"));
    EXPECT_EQ((std::vector<string>{"x", "y*"}), Elements("x*-*y*"));
}

TEST(CompoundList, MergeAndRemove)
{
    CompoundList list("1:1*-*1:2", false);
    list.Merge(string("1:2*-*1:3"));
    list.Merge(CompoundList("1:4*-*1:1", true));
    EXPECT_EQ("1:1*-*1:2*-*1:3*-*1:4", list.toString());
    list.Remove(CompoundList("1:1*-*1:9", true));
    list.RemoveText("1:2*-*1:3");
    EXPECT_EQ("1:4", list.toString());

    CompoundList doubled("a*-*b*-*a", true);
    doubled.Remove(string("a"));
    EXPECT_EQ("b", doubled.toString());
    EXPECT_FALSE(doubled.contains("a"));
}

TEST(CompoundList, EqualityIgnoresOrderButNotSize)
{
    EXPECT_TRUE(CompoundList("a*-*b", false) == CompoundList("b*-*a", true));
    EXPECT_FALSE(CompoundList("a*-*b", false) == CompoundList("a*-*b*-*c", false));
    EXPECT_FALSE(CompoundList("a*-*b", false) == CompoundList("a*-*c", false));
}
