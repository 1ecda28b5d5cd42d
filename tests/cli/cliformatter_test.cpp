#include "cli/cliformatter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::string INDENT(7, ' ');

std::string wrapped(const std::string& text) { return CFormatter::format(text, "Error: ", 79); }

} // namespace

TEST(CFormatter, LongMessageWrapsAtWordsWithHangingIndent)
{
    std::string message;
    for (int i = 0; message.size() < 150; ++i)
        message += (i ? " word" : "word") + std::to_string(i);
    std::istringstream lines(wrapped(message));
    std::string line, rejoined;
    int count = 0;
    for (; std::getline(lines, line); ++count) {
        EXPECT_LE(line.size(), 79u) << line;
        EXPECT_EQ(line.substr(0, 7), count ? INDENT : "Error: ");
        rejoined += (count ? " " : "") + line.substr(7);
    }
    EXPECT_TRUE(count == 2 || count == 3);
    EXPECT_EQ(rejoined, message); // no word cut, lost or doubled
}

TEST(CFormatter, WordsMoveWholeToTheNextLine)
{
    EXPECT_EQ(wrapped("short"), "Error: short");
    // crossing the edge
    EXPECT_EQ(wrapped(std::string(70, 'a') + " bbbbb ccc"),
              "Error: " + std::string(70, 'a') + "\n" + INDENT + "bbbbb ccc");
    // starting exactly at the edge: the blank there is dropped
    EXPECT_EQ(wrapped(std::string(72, 'a') + " bbb"), "Error: " + std::string(72, 'a') + "\n" + INDENT + "bbb");
    // too long for any line: cut
    EXPECT_EQ(wrapped("x " + std::string(100, 'y')),
              "Error: x " + std::string(70, 'y') + "\n" + INDENT + std::string(30, 'y'));
}

TEST(CFormatter, NewlineStartsAnIndentedLine)
{
    EXPECT_EQ(CFormatter::format("first\nsecond", "Warning: ", 79), "Warning: first\n         second");
    EXPECT_EQ(CFormatter::format("ends here\n", "", 79), "ends here\n");
    // a moved word stops at the newline
    EXPECT_EQ(wrapped(std::string(70, 'a') + " bbbbb\nccc"),
              "Error: " + std::string(70, 'a') + "\n" + INDENT + "bbbbb\n" + INDENT + "ccc");
}

TEST(CFormatter, ZeroWidthMeansNoWrapping)
{
    EXPECT_EQ(CFormatter::format(std::string(300, 'z'), "> ", 0), "> " + std::string(300, 'z'));
}
