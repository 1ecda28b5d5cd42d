// Behaviour of the console's help: what a help line prints, byte for byte
// where the text matters, and which topics a search keeps.
#include "cli/smart_help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/helptopics.h"

namespace {

std::string helpOutput(const std::string& line)
{
    std::ostringstream out;
    CLIPrinter printer(&out);
    CSmartHelp::execute(line, printer);
    return out.str();
}

// The numbers (1 to 32, in table order) of the topics a keyword text finds.
std::vector<int> topicsFound(const std::string& keywords)
{
    std::vector<int> found;
    const auto table = HelpTopics::topics();
    const CSmartHelp help(keywords);
    for (const CSmartHelp::CHelpTopic& topic : help.getTopics()) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i].description == topic.description)
                found.push_back(static_cast<int>(i) + 1);
        }
    }
    return found;
}

// Note the blank at the end of some lines: they are part of the page.
const std::string kGenericPage = R"PAGE(
CLI Syntax
   A typical VNL CLI command line consists of three parts: a target device, 
   a command, and a parameter with values if necessary. Using angle brackets
   to denote a required variable and plain brackets to denote optional
   variables, the structure of a typical VNL CLI command line is as follows:
      <target> <command> [parameter=value]
   <target> is of format:
      [controller all|slot=#|wwn=#|chassisname="AAA"|
serialnumber=#|chassisserialnumber=#|ctrlpath=#:# ]
      [array all|<id>]
      [physicaldrive all|allunassigned|[#:]#:#|[#:]#:#-[#:]#:#]
      [logicaldrive all|#]
   Note 1: The #:#:# syntax is only needed for systems that address their
           physical drives as port:box:bay. The other physical drive
           addressing schemes are box:bay and port:id.
   Note 2: The chassisserialnumber and chassisname parameters are known in
           the graphical configuration utility as the RAID Array Serial
           Number and the RAID Array ID.
   Note 3: ctrlpath=#:# names an external enclosure by the slot and port of
           the host bus adapter that it is attached to.
   Example targets:
      controller slot=5
      controller chassisname="A"
      controller serialnumber=P21DA2322S
      controller chassisserialnumber=E03KMT9Q41
      controller wwn=500805F3000BAC11
      controller slot=5 array A
      controller chassisname="A" logicaldrive 5
      controller slot=5 physicaldrive 1:5
      controller slot=5 physicaldrive 2:1:12

For detailed command information type any of the following: 
   help add
   help create
   help delete
   help modify
   help remove
   help shorthand
   help show
   help target
   help rescan

Help also accepts commonly used CLI parameters and VNL keywords. Adding
additional keywords will further filter the help output. Examples: 
   help ssp        (shows all ssp help including show and modify commands)
   help ssp modify (restricts ssp help to only modify commands)
   help migrate
   help expand   
   help extend   
   help <keyword> <keyword> ... <keyword>
)PAGE";

const std::string kTargetAnswer = R"TEXT(
The following documentation pertains to your search:

clear target
   Clears the implicit target. After this call, <target> must be entered upon
   every command as usual.

show target
   Shows the contents of the implicit target.

set target <target>
   The target command sets the <target> once, so that the commands that follow 
   can use it without entering it again. If the identifier of the target
   changes or its hardware is removed, the target must be set again; e.g., a
   target set with chassisname=abc no longer works after the chassis name is
   changed to xyz, until set target is given the new chassis name. The target
   command is only supported inside the VNL CLI console. The implicit target is
   used only when no <target> is entered on the command line. The target can be
   any valid device.

Examples:
   clear target
   show target
   set target ctrl slot=3

)TEXT";

const std::string kSspShowAnswer = R"TEXT(
The following documentation pertains to your search:

<target> show [ssp]
   Displays the ssp information for the specified controller. The target can be
   any valid controller that supports ssp.

Examples:
   ctrl ch="lab 3" show ssp

)TEXT";

} // namespace

TEST(SmartHelpTest, HelpWithoutKeywordsPrintsTheGenericPage)
{
    EXPECT_EQ(helpOutput("help"), kGenericPage);
    for (const char* line : {"help   ", "smarthelp", "helpme", "help \"\""})
        EXPECT_EQ(helpOutput(line), kGenericPage) << line;
}

TEST(SmartHelpTest, TargetQueryPrintsTheImplicitTargetTopicsWithoutTheCommandPrefix)
{
    EXPECT_EQ(helpOutput("help target"), kTargetAnswer);
}

TEST(SmartHelpTest, SeveralKeywordsKeepOnlyTheTopicsHoldingAllOfThem)
{
    EXPECT_EQ(helpOutput("help ssp show"), kSspShowAnswer);
}

TEST(SmartHelpTest, NoMatchHintDependsOnTheNumberOfWords)
{
    const std::string oneWord = "\n"
                                "   No help content matches the search criteria. Please check spelling or try a\n"
                                "   different keyword.\n";
    EXPECT_EQ(helpOutput("help zzz"), oneWord);
    EXPECT_EQ(helpOutput("help \"no such phrase\""), oneWord);
    EXPECT_EQ(helpOutput("help zzz yyy"),
              "\n"
              "   No help content matches the search criteria. Results are based on\n"
              "   commonality sets and it appears there is no commonality between\n"
              "   the specified keywords. Please check spelling, try different\n"
              "   keywords, or use fewer keywords in order to broaden your search.\n");
}

TEST(SmartHelpTest, EveryCommandWordFindsSomeTopic)
{
    for (const HelpTopics::FixedQuery& query : HelpTopics::fixedQueries())
        EXPECT_FALSE(topicsFound(std::string(query.keywords)).empty()) << query.word;
}

TEST(SmartHelpTest, ShowAndModifyOpenWithTheirOwnDescriptionAndOthersWithTheSearchHeader)
{
    EXPECT_EQ(helpOutput("help show")
                  .rfind("\nThe show command outputs information about a device or a list of devices.\n"
                         "\n<target> show [config] [detail]\n",
                         0),
              0u);
    EXPECT_EQ(helpOutput("help modify")
                  .rfind("\nThe modify command changes the existing configuration. Where allowed, the '?'\n"
                         "keyword queries the current capabilities. Only one query can be issued at a\n"
                         "time.\n\n<target> modify [arrayaccelerator=enable|disable]\n",
                         0),
              0u);
    EXPECT_EQ(helpOutput("help create")
                  .rfind("\nThe following documentation pertains to your search:\n\n<target> create [type=ld]\n", 0),
              0u);
}

TEST(SmartHelpTest, KeywordSearchesKeepEveryTopicHoldingAllWordsInTableOrder)
{
    const std::vector<std::pair<std::string, std::vector<int>>> cases = {
        {"ssp", {24, 25, 26, 27, 28}},
        {"ssp modify", {24, 25, 27, 28}},
        {"ssp show", {26}},
        {"migrate", {16}},
        {"expand", {1, 11}},
        {"forced", {13, 27, 28}},
        {"\"array accelerator\"", {2, 3}},
        {"\"raid array id\" controller", {4}},
        {"zzz ssp", {}},
    };
    for (const auto& [query, topics] : cases)
        EXPECT_EQ(topicsFound(query), topics) << query;
}

TEST(SmartHelpTest, EquivalentQueriesGiveTheSameAnswer)
{
    EXPECT_EQ(helpOutput("help drive"), helpOutput("help drives"));
    EXPECT_EQ(helpOutput("smarthelp raid"), helpOutput("help raid"));
    EXPECT_EQ(helpOutput("help ssp modify   "), helpOutput("help ssp modify"));
}

TEST(SmartHelpTest, SyntaxGroupsLineUpUnderTheFirstGroup)
{
    EXPECT_NE(helpOutput("help add")
                  .find("\n<target> add [drives=[#:]#:#,[#:]#:#,[#:]#:#-[#:]#:#],...|allunassigned]\n"
                        "             [spares=[#:]#:#,[#:]#:#,[#:]#:#-[#:]#:#],...|allunassigned]\n"
                        "             [forced]\n"),
              std::string::npos);
    EXPECT_NE(helpOutput("help rescan").find("\n<target> rescan \n"), std::string::npos);
}

TEST(SmartHelpTest, EveryTopicIsFoundByItsOwnKeywords)
{
    const auto table = HelpTopics::topics();
    ASSERT_EQ(table.size(), 32u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::vector<int> found = topicsFound(std::string(table[i].keywords));
        EXPECT_NE(std::find(found.begin(), found.end(), static_cast<int>(i) + 1), found.end()) << "topic " << i + 1;
    }
}

TEST(SmartHelpTest, DisabledPrinterWritesNothing)
{
    std::ostringstream out;
    CLIPrinter printer(&out);
    printer.disable();
    for (const char* line : {"help", "help show", "help ssp", "help zzz"})
        CSmartHelp::execute(line, printer);
    EXPECT_EQ(out.str(), "");
}

TEST(SmartHelpTest, HostileLinesAreAnsweredWithoutFault)
{
    const std::vector<std::string> lines = {
        "help \"",
        "help \"unterminated phrase",
        "help \"\" \"\"",
        "help ssp \"",
        "help \t\r\x01",
        "help \xff\xfe \xc3\xa9",
        "help " + std::string(5000, 'x'),
        "help " + std::string(5000, '"'),
        "help " + std::string(3000, ' ') + "ssp",
    };
    for (const std::string& line : lines) {
        const std::string out = helpOutput(line);
        EXPECT_EQ(out.substr(0, 1), "\n") << line.substr(0, 40);
    }
}

TEST(CreateTokenSetTest, BlanksSplitAndALeadingBlankGivesTheEmptyToken)
{
    using Tokens = std::set<std::string>;
    EXPECT_EQ(CSmartHelp::createTokenSet(""), Tokens{});
    EXPECT_EQ(CSmartHelp::createTokenSet("   "), Tokens{""});
    EXPECT_EQ(CSmartHelp::createTokenSet("a  b "), (Tokens{"a", "b"}));
    EXPECT_EQ(CSmartHelp::createTokenSet(" ctrl  ld ctrl"), (Tokens{"", "ctrl", "ld"}));
    EXPECT_EQ(CSmartHelp::createTokenSet("CTRL Ld"), (Tokens{"ctrl", "ld"}));
}

TEST(CreateTokenSetTest, LowerCaseSIsDroppedOutsidePhrasesOnly)
{
    using Tokens = std::set<std::string>;
    EXPECT_EQ(CSmartHelp::createTokenSet("drive drives ssp"), (Tokens{"drive", "p"}));
    EXPECT_EQ(CSmartHelp::createTokenSet("s ss"), Tokens{""});
    EXPECT_EQ(CSmartHelp::createTokenSet("\"Raid Arrays Id\" x"), (Tokens{"raid arrays id", "x"}));
    EXPECT_EQ(CSmartHelp::createTokenSet("ab\"c d\"e"), Tokens{"abc de"});
    EXPECT_EQ(CSmartHelp::createTokenSet("x \"open phrase"), (Tokens{"x", "open phrase"}));
}
