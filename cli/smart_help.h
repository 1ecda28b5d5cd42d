// The console's help. A line that begins with "help" or "smarthelp" is
// answered here instead of being parsed: "help" alone prints the generic
// syntax page, "help <command>" prints the fixed topic group of one of the
// nine command words, and anything else is a keyword search over the built-in
// topic table. A search keeps every topic whose keywords hold all the words
// asked for (a commonality set), in table order.
//
// Callers may rely on: nothing the user types makes these functions fail,
// read out of bounds or throw; all output goes through the given printer.
#ifndef VNL_CLI_SMART_HELP_H
#define VNL_CLI_SMART_HELP_H

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "cli/cliprinter.h"

class CLIHelp {
public:
    // Writes the generic syntax page, line by line.
    static void ShowGenericHelpInfo(std::ostream& out);
};

class CSmartHelp {
public:
    // One help topic: six texts, in the order addTopic takes them.
    struct CHelpTopic {
        std::string keywords; // search words; a "quoted phrase" is one keyword
        std::string description; // what the command does
        std::string examples; // example command lines, one per line
        std::string target; // ends the sentence "The target ..."; may be empty
        std::string command; // the command word the topic belongs to
        std::string syntax; // parameter groups, one per line; may be empty
    };

    // Answers one help line (already synonym-replaced and lower-cased) on
    // `printer`. This is the whole of the console's help command.
    static void execute(const std::string& line, CLIPrinter& printer);

    // Builds the topic table and keeps the topics whose keywords hold every
    // token of `keywordText`. A non-empty `descriptionOverride` replaces the
    // header of the description section.
    explicit CSmartHelp(const std::string& keywordText, const std::string& descriptionOverride = "");

    bool hasResponse() const;
    // The topics that matched, in table order.
    const std::vector<CHelpTopic>& getTopics() const;
    std::string getDescriptionSection() const;
    std::string getExampleSection() const;

    // The search tokens of a text: words split at blanks, lower-cased, with
    // every lower-case "s" dropped outside double quotes (so singular and
    // plural give the same token); a quoted phrase joins the current token
    // unchanged. A text that begins with a blank holds the empty token.
    static std::set<std::string> createTokenSet(const std::string& text);

private:
    void addTopic(const std::string& keywords, const std::string& description, const std::string& examples,
                  const std::string& target, const std::string& command, const std::string& syntax);

    std::vector<CHelpTopic> m_topics;
    std::string m_descriptionOverride;
};

// The text without its trailing blanks.
std::string StripTrailingWS(const std::string& text);

#endif
