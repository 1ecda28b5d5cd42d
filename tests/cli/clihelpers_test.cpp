#include "cli/clihelpers.h"

#include <gtest/gtest.h>

#include "tests/cli/consolecapture.h"

using namespace CLI_HELPERS;
using Words = std::vector<std::string>;

namespace {

// Each (input, expected output) pair through one function.
void expectEach(std::string (*function)(const std::string&),
                const std::vector<std::pair<std::string, std::string>>& cases)
{
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(function(input), expected) << input;
}

} // namespace

TEST(ReplaceSynonyms, ExpandsShortFormsAndFoldsCase)
{
    expectEach(ReplaceSynonyms,
               {
                   {"CTRL SLOT=1 LD 1 SHOW", "controller slot=1 logicaldrive 1 show"},
                   {"ctrl slot=1 create type=ld size=max", "controller slot=1 create type=logicaldrive size=max"},
                   {"ctrl slot=1 modify cr=50/50 dwc=enable",
                    "controller slot=1 modify cacheratio=50/50 drivewritecache=enable"},
                   {"ctrl slot=1 array a add drives=au", "controller slot=1 array A add drives=allunassigned"},
                   {"ctrl slot=1 ARRAY ALL show", "controller slot=1 array all show"},
                   {" ctrl   all  show ", " controller all show"},
               });
}

TEST(ReplaceSynonyms, CommandOrDeviceWordAfterArrayIsNoIdentifier)
{
    expectEach(ReplaceSynonyms,
               {
                   {"ctrl slot=1 array show", "controller slot=1 array show"},
                   {"ctrl slot=1 array ld 1 show", "controller slot=1 array logicaldrive 1 show"},
                   {"ctrl slot=1 array PhysicalDrive all show", "controller slot=1 array physicaldrive all show"},
                   {"ctrl slot=1 array td all show", "controller slot=1 array tapedrive all show"},
                   {"ctrl slot=1 array b ld 1 show", "controller slot=1 array B logicaldrive 1 show"},
               });
}

TEST(ReplaceSynonyms, NamingValuesKeepCaseBlanksAndShortForms)
{
    expectEach(ReplaceSynonyms,
               {
                   {"CTRL CH=\"Box One\" MODIFY ch=\"New Name\"",
                    "controller chassisname=\"Box One\" modify chassisname=\"New Name\""},
                   {"ctrl slot=1 modify AI=AbC HostMode=Win", "controller slot=1 modify adapterid=AbC hostmode=Win"},
                   {"ctrl slot=1 modify cn=ld mask=au", "controller slot=1 modify connectionname=ld mask=au"},
                   {"ctrl csn=AbC show", "controller chassisserialnumber=AbC show"},
               });
}

TEST(CliSplit, BlankRunsCountOnceAndQuotedRunsStayWhole)
{
    EXPECT_EQ(cli_split("a  b", false, ' '), (Words{"a", "b"}));
    EXPECT_EQ(cli_split(" a", false, ' '), (Words{"", "a"}));
    EXPECT_EQ(cli_split("a ", false, ' '), (Words{"a"}));
    EXPECT_EQ(cli_split("ch=\"Box One\" show", true, ' '), (Words{"ch=\"Box One\"", "show"}));
    EXPECT_EQ(cli_split("ch=\"Box One\" show", false, ' '), (Words{"ch=Box One", "show"}));
    EXPECT_EQ(cli_split("ch=\"Box  One", false, ' '), (Words{"ch=Box  One"}));
    EXPECT_EQ(driveName(Words{"1", "2", "3"}), "1:2:3");
}

TEST(AddQuotes, QuotesOnlyNamingValues)
{
    expectEach(addQuotes,
               {
                   {"cn=Host A", "cn=\"Host A\""},
                   {"mask=a=b", "mask=\"a=b\""},
                   {"CH=My Box", "CH=\"My Box\""}, // names are lower-cased only later
                   {"size=1 000", "size=1 000"},
                   {"slot=ch=x", "slot=ch=x"},
                   {"ch", "ch"},
               });
}

TEST(IsReadOperation, ShowWithOneListingWordAndHelpAreReadOnly)
{
    for (const char* line : {"controller all show", "controller all show config", "controller slot=1 show status",
                             "help create", "helpme"})
        EXPECT_TRUE(isReadOperation(line)) << line;
    for (const char* line :
         {"controller all show config detail", "controller chassisname=x modify connectionname=y show",
          "controller slot=1 modify chassisname=show", "version"})
        EXPECT_FALSE(isReadOperation(line)) << line;
}

TEST(IsWildcard, LooksOnlyAtWholeTargetWords)
{
    for (const char* line : {"controller all show", "controller slot=1 physicaldrive allunassigned show"})
        EXPECT_TRUE(isWildcard(line)) << line;
    for (const char* line : {"controller slot=1 add drives=all", "controller chassisname=\"Hall 3\" show"})
        EXPECT_FALSE(isWildcard(line)) << line;
}

TEST(PopValue, TakesTheFirstMatchingPairOnly)
{
    ParamList params{{"raid", "5"}, {"size", "?"}, {"raid", "1"}};
    EXPECT_EQ(popValue(params, "raid", "x"), "5");
    EXPECT_EQ(popValue(params, "stripesize", "default"), "default");
    EXPECT_TRUE(popUnsettable(params, "raid"));
    EXPECT_FALSE(popUnsettable(params, "forced"));
    EXPECT_EQ(params, (ParamList{{"size", "?"}}));
}

TEST(UserResponse, OnlyASingleYIsYes)
{
    for (std::string answer : {"y\n", "Y", "yes\n", "N\n", "\n", ""}) {
        ConsoleCapture console(answer);
        bool yes = answer == "y\n" || answer == "Y";
        EXPECT_EQ(userResponse("Continue? (y/n) "), yes) << answer;
        EXPECT_EQ(console.output(), "\nWarning: Continue? (y/n) \n");
    }
}

TEST(ReadLine, KeepsJustEnoughOfAnOverlongLineAndGoesOn)
{
    std::istringstream in(std::string(5000, 'x') + "\nnext\nlast");
    std::string line;
    EXPECT_TRUE(readLine(in, line));
    EXPECT_EQ(line, std::string(MAX_LINE_LENGTH + 1, 'x'));
    for (const char* expected : {"next", "last"}) {
        EXPECT_TRUE(readLine(in, line));
        EXPECT_EQ(line, expected);
    }
    EXPECT_FALSE(readLine(in, line));
}
