#include "cli/smart_help.h"

#include <algorithm>
#include <span>
#include <sstream>

#include "cli/cliformatter.h"
#include "cli/clihelpers.h"
#include "cli/helptopics.h"

namespace {

constexpr unsigned kWidth = 79;
const std::string kIndent = "   ";

void printLines(std::span<const std::string_view> lines, CLIPrinter& printer)
{
    for (std::string_view line : lines)
        printer.print_ln(std::string(line));
}

void printGenericPage(CLIPrinter& printer)
{
    std::ostringstream page;
    CLIHelp::ShowGenericHelpInfo(page);
    printer.print(page.str());
}

// The fixed topic group of a command word, or null when the word has none.
const HelpTopics::FixedQuery* findFixedQuery(const std::string& word)
{
    for (const HelpTopics::FixedQuery& query : HelpTopics::fixedQueries()) {
        if (query.word == word)
            return &query;
    }
    return nullptr;
}

// The answer to one query: an empty line, then the topics found or, when
// there are none, a hint that depends on how many words were asked for.
void printAnswer(const CSmartHelp& help, std::size_t wordCount, CLIPrinter& printer)
{
    printer.print_ln("");
    if (help.hasResponse()) {
        printer.print(help.getDescriptionSection() + "\n" + help.getExampleSection() + "\n");
        return;
    }
    printLines(wordCount < 3 ? HelpTopics::noMatchOneWord() : HelpTopics::noMatchSeveralWords(), printer);
}

// The first line(s) of a topic: the command's parameter groups, lined up
// under "<target> <command> ". The target topics stand without that prefix.
std::string syntaxLine(const CSmartHelp::CHelpTopic& topic)
{
    if (topic.command == "target")
        return topic.syntax;
    return CFormatter::format(topic.syntax, "<target> " + topic.command + " ", kWidth);
}

std::string descriptionText(const CSmartHelp::CHelpTopic& topic)
{
    if (topic.target.empty())
        return topic.description;
    return topic.description + " The target " + topic.target;
}

} // namespace

void CLIHelp::ShowGenericHelpInfo(std::ostream& out)
{
    for (std::string_view line : HelpTopics::genericPage())
        out << line << '\n';
}

void CSmartHelp::execute(const std::string& line, CLIPrinter& printer)
{
    const std::vector<std::string> words = CLI_HELPERS::cli_split(line, false, ' ');
    if (words.size() <= 1) {
        printGenericPage(printer);
        return;
    }
    if (words.size() == 2) {
        if (const HelpTopics::FixedQuery* fixed = findFixedQuery(words[1])) {
            CSmartHelp help(std::string(fixed->keywords), std::string(fixed->descriptionOverride));
            printAnswer(help, words.size(), printer);
            return;
        }
    }
    const std::size_t space = line.find(' ');
    const std::string query = space == std::string::npos ? "" : StripTrailingWS(line.substr(space + 1));
    if (query.empty()) {
        printGenericPage(printer);
        return;
    }
    printAnswer(CSmartHelp(query), words.size(), printer);
}

CSmartHelp::CSmartHelp(const std::string& keywordText, const std::string& descriptionOverride)
    : m_descriptionOverride(descriptionOverride)
{
    for (const HelpTopics::Topic& topic : HelpTopics::topics()) {
        addTopic(std::string(topic.keywords), std::string(topic.description), std::string(topic.examples),
                 std::string(topic.target), std::string(topic.command), std::string(topic.syntax));
    }
    const std::set<std::string> wanted = createTokenSet(keywordText);
    std::erase_if(m_topics, [&wanted](const CHelpTopic& topic) {
        const std::set<std::string> held = createTokenSet(topic.keywords + " " + topic.command);
        return !std::includes(held.begin(), held.end(), wanted.begin(), wanted.end());
    });
}

void CSmartHelp::addTopic(const std::string& keywords, const std::string& description, const std::string& examples,
                          const std::string& target, const std::string& command, const std::string& syntax)
{
    m_topics.push_back({keywords, description, examples, target, command, syntax});
}

bool CSmartHelp::hasResponse() const { return !m_topics.empty(); }

const std::vector<CSmartHelp::CHelpTopic>& CSmartHelp::getTopics() const { return m_topics; }

std::string CSmartHelp::getDescriptionSection() const
{
    std::string out = m_descriptionOverride.empty() ? std::string(HelpTopics::kSearchHeader) + "\n"
                                                    : CFormatter::format(m_descriptionOverride, "", kWidth);
    for (const CHelpTopic& topic : m_topics) {
        out += "\n" + syntaxLine(topic) + "\n";
        out += CFormatter::format(descriptionText(topic), kIndent, kWidth) + "\n";
    }
    return out;
}

std::string CSmartHelp::getExampleSection() const
{
    std::string out = "Examples:\n";
    for (const CHelpTopic& topic : m_topics)
        out += CFormatter::format(topic.examples, kIndent, kWidth) + "\n";
    return out;
}

// A quoted phrase joins the current token as it stands; a blank ends the
// token unless another blank follows (a run of blanks counts once); a
// lower-case "s" outside quotes is never copied.
std::set<std::string> CSmartHelp::createTokenSet(const std::string& text)
{
    std::set<std::string> tokens;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            const std::size_t close = std::min(text.find('"', i + 1), text.size());
            current.append(text, i + 1, close - i - 1);
            i = close;
        } else if (c == ' ') {
            if (i + 1 < text.size() && text[i + 1] == ' ')
                continue;
            tokens.insert(CLI_HELPERS::lowerCase(current));
            current.clear();
        } else if (c != 's') {
            current += c;
        }
    }
    if (!current.empty())
        tokens.insert(CLI_HELPERS::lowerCase(current));
    return tokens;
}

std::string StripTrailingWS(const std::string& text)
{
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return last == std::string::npos ? "" : text.substr(0, last + 1);
}
