// CSyntaxChecker checks the command part of a line (the command word and
// what follows it) for the two faults that make a line ambiguous: a second
// command word and a parameter named twice. Stateless.
#ifndef VNL_CLI_SYNTAXCHECKER_H
#define VNL_CLI_SYNTAXCHECKER_H

#include <string>
#include <vector>

class CSyntaxChecker {
public:
    // The offending word, or "" when the words pass both checks.
    static std::string validate(const std::vector<std::string>& words);
    // Splits the text into words (quotes kept) and validates them.
    static std::string validate(const std::string& text);

    // The last command word met after the first one; a leading "help" does
    // not count as the first.
    static std::string hasMultipleCommands(const std::vector<std::string>& words);
    // The last name met a second time (flags and the command word included).
    static std::string hasDuplicateParams(const std::vector<std::string>& words);
};

#endif
