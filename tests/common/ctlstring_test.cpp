#include "common/ctlstring.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <unordered_map>

using Common::string;

TEST(CtlString, CopiesShareOneBufferUntilOneIsModified)
{
    string original("controller");
    string copy(original);
    string assigned;
    assigned = original;
    EXPECT_EQ(original.c_str(), copy.c_str());
    EXPECT_EQ(3u, original.shareCount());

    copy += " slot=5";
    assigned.replace(0, 4, "de");
    EXPECT_STREQ("controller", original.c_str());
    EXPECT_EQ("controller slot=5", copy);
    EXPECT_EQ("deroller", assigned);
    EXPECT_EQ(1u, original.shareCount());
}

TEST(CtlString, MutatingFromItsOwnTextIsSafe)
{
    string text("abc");
    text += text;
    EXPECT_EQ("abcabc", text);
    text = text.c_str() + 3;
    EXPECT_EQ("abc", text);
    for (int i = 0; i < 1000; ++i)
        text += static_cast<char>('a' + i % 26);
    EXPECT_EQ(1003u, text.size());
    EXPECT_EQ('a' + 999 % 26, text[1002]);
}

TEST(CtlString, ExplicitLengthCopiesExactlyThatManyBytes)
{
    const char raw[] = {'a', '\0', 'b', 'c'};
    string text(raw, 3);
    EXPECT_EQ(3u, text.size());
    EXPECT_EQ('b', text[2]);
    EXPECT_NE(string("a"), text); // equality compares lengths and bytes
    EXPECT_EQ(0u, string(nullptr).size());
}

TEST(CtlString, SearchesAndCutsStayInsideTheText)
{
    string text("1:1,1:2,1:3");
    EXPECT_EQ(7u, text.find(',', 4));
    EXPECT_EQ(3u, text.rfind(',', 6));
    EXPECT_EQ(string::npos, text.find("1", 100));
    EXPECT_EQ("1:3", text.substr(8));
    EXPECT_EQ("", text.substr(50, 2));
    text.replace(100, 3, "!");
    EXPECT_EQ("1:1,1:2,1:3!", text);
}

TEST(CtlString, OrderingHashingAndStreaming)
{
    EXPECT_LT(string("ab"), string("abc"));
    EXPECT_EQ("ab" + string("cd") + "ef" + 'g', string("abcdefg"));
    std::map<string, int> ordered{{"b", 2}, {"a", 1}};
    EXPECT_EQ("a", ordered.begin()->first);
    std::unordered_map<string, int> hashed{{"slot", 5}};
    EXPECT_EQ(5, hashed[string("slot")]);
    std::ostringstream out;
    out << string("logicaldrive 1");
    EXPECT_EQ("logicaldrive 1", out.str());
}

TEST(CtlString, ConvertsToAndFromStandardStringsKeepingEveryByte)
{
    const std::string withZero("ab\0cd", 5);
    const string converted = Common::fromStdString(withZero);
    EXPECT_EQ(5u, converted.size());
    EXPECT_EQ(withZero, Common::toStdString(converted));
    EXPECT_EQ("", Common::toStdString(Common::fromStdString("")));
}
