// vnlcli(8) documents every command word and every shorthand the console's
// help knows, and every parameter its syntax lines name: the words are taken
// from the help tables, so a command added there must be documented too.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/helptopics.h"

namespace {

// The page's text with the font escapes (\fB, \fI, \fR, \fP) and the escaped
// hyphens removed, so that words can be searched as typed.
std::string manPageText()
{
    std::ifstream in(VNL_SOURCE_DIR "/docs/vnlcli.8");
    std::stringstream text;
    text << in.rdbuf();
    return std::regex_replace(std::regex_replace(text.str(), std::regex(R"(\\f[BIRP])"), ""), std::regex(R"(\\-)"),
                              "-");
}

bool documents(const std::string& page, const std::string& word)
{
    return std::regex_search(page, std::regex("(^|[^a-z0-9])" + word + "($|[^a-z0-9])"));
}

// All matches of the first group of `pattern` in `text`.
void collect(const std::string& text, const std::regex& pattern, std::set<std::string>& into)
{
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        into.insert((*it)[1]);
}

std::string_view shorthandList()
{
    std::string_view keywords;
    for (const auto& query : HelpTopics::fixedQueries())
        if (query.word == "shorthand")
            keywords = query.keywords;
    for (const auto& topic : HelpTopics::topics())
        if (topic.keywords == keywords)
            return topic.examples;
    return {};
}

} // namespace

TEST(ManPage, DocumentsEveryCommandAndParameterOfTheHelp)
{
    const std::string page = manPageText();
    ASSERT_FALSE(page.empty());
    std::set<std::string> words;
    for (const auto& query : HelpTopics::fixedQueries())
        words.insert(std::string(query.word));
    for (const auto& topic : HelpTopics::topics()) {
        const std::string syntax(topic.syntax);
        collect(std::string(topic.command), std::regex("^([a-z]+)$"), words);
        collect(syntax, std::regex(R"(([a-z]+)=)"), words); // parameters with a value
        collect(syntax, std::regex(R"(\[([a-z]+)\])"), words); // flags
        collect(syntax, std::regex(R"(\[([a-z]+)\|)"), words); // the first of alternative names
    }
    EXPECT_GT(words.size(), 30u);
    for (const std::string& word : words)
        EXPECT_TRUE(documents(page, word)) << word;
}

TEST(ManPage, DocumentsEveryShorthandWithItsLongForm)
{
    const std::string page = manPageText();
    std::set<std::string> words;
    collect(std::string(shorthandList()), std::regex(R"((?:^|\n)([a-z]+) = ([a-z]+))"), words);
    collect(std::string(shorthandList()), std::regex(R"(= ([a-z]+))"), words);
    EXPECT_GT(words.size(), 40u);
    for (const std::string& word : words)
        EXPECT_TRUE(documents(page, word)) << word;
}
