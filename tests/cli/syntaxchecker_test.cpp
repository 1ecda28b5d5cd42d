#include "cli/syntaxchecker.h"

#include <gtest/gtest.h>

using Words = std::vector<std::string>;

TEST(CSyntaxChecker, ReportsTheLastExtraCommandWord)
{
    EXPECT_EQ(CSyntaxChecker::validate(Words{"show", "show"}), "show");
    EXPECT_EQ(CSyntaxChecker::validate(Words{"show", "create", "delete"}), "delete");
    EXPECT_EQ(CSyntaxChecker::validate(Words{"modify", "raid=1", "raid=2", "show=1"}), "show");
    // a leading help does not count as the command
    EXPECT_EQ(CSyntaxChecker::hasMultipleCommands(Words{"help", "help", "show"}), "");
    EXPECT_EQ(CSyntaxChecker::validate(Words{"show", "help"}), "help");
}

TEST(CSyntaxChecker, ReportsTheLastRepeatedName)
{
    EXPECT_EQ(CSyntaxChecker::validate(Words{"modify", "dwc=enable", "dwc=disable"}), "dwc");
    EXPECT_EQ(CSyntaxChecker::validate(Words{"modify", "raid=1", "size=2", "raid=3", "size=4"}), "size");
    EXPECT_EQ(CSyntaxChecker::validate(Words{"delete", "forced", "forced"}), "forced");
    EXPECT_EQ(CSyntaxChecker::validate("modify chassisname=\"a show\" chassisname=b"), "chassisname");
    EXPECT_EQ(CSyntaxChecker::validate("modify chassisname=\"a show\" raid=5"), "");
}
