#include "cli/syntaxchecker.h"

#include <unordered_set>

#include "cli/clihelpers.h"

std::string CSyntaxChecker::validate(const std::vector<std::string>& words)
{
    std::string extra = hasMultipleCommands(words);
    return extra.empty() ? hasDuplicateParams(words) : extra;
}

std::string CSyntaxChecker::validate(const std::string& text)
{
    return validate(CLI_HELPERS::cli_split(text, true, ' '));
}

std::string CSyntaxChecker::hasMultipleCommands(const std::vector<std::string>& words)
{
    std::string extra;
    bool seen = false;
    for (const std::string& word : words) {
        std::string name = CLI_HELPERS::paramName(word);
        if (!CLI_HELPERS::isCommand(name))
            continue;
        if (seen)
            extra = name;
        else if (name != "help")
            seen = true;
    }
    return extra;
}

std::string CSyntaxChecker::hasDuplicateParams(const std::vector<std::string>& words)
{
    std::string repeated;
    std::unordered_set<std::string> met;
    for (const std::string& word : words) {
        std::string name = CLI_HELPERS::paramName(word);
        if (!met.insert(name).second)
            repeated = name;
    }
    return repeated;
}
