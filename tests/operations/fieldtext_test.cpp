#include "operations/fieldtext.h"

#include <gtest/gtest.h>

#include <string>

using namespace Operations;

TEST(FieldText, EveryByteOfAFieldIsShownAsPrintableTextAndPrintableTextUnchanged)
{
    for (int byte = 1; byte < 256; ++byte) {
        const char field[4] = {'A', static_cast<char>(byte), 'Z', '\0'};
        const std::string shown = fieldText(field).c_str();
        ASSERT_EQ(shown.size(), 3u) << byte;
        const bool printable = byte >= ' ' && byte <= '~';
        EXPECT_EQ(shown[1], printable ? static_cast<char>(byte) : '?') << byte;
    }
}

TEST(FieldText, TheTextEndsAtTheFirstNulOrTheFieldsEndWithoutItsPadding)
{
    const char padded[8] = {'V', 'D', '0', '7', ' ', ' ', ' ', ' '};
    EXPECT_STREQ(fieldText(padded).c_str(), "VD07");
    const char terminated[8] = {'2', '.', '7', '4', '\0', '\033', '[', 'J'};
    EXPECT_STREQ(fieldText(terminated).c_str(), "2.74");
    EXPECT_STREQ(printableText(Common::string("\033]0;x\007")).c_str(), "?]0;x?");
}
