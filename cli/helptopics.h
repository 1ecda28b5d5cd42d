// The texts of the console's help, kept as data in one place: the topic
// table searched by CSmartHelp, the nine fixed topic queries and the lines
// of the generic syntax page. Nothing here has behaviour.
#ifndef VNL_CLI_HELPTOPICS_H
#define VNL_CLI_HELPTOPICS_H

#include <span>
#include <string_view>

namespace HelpTopics {

// One topic's six texts; multi-line fields hold their lines separated by '\n'.
struct Topic {
    std::string_view keywords;
    std::string_view description;
    std::string_view examples;
    std::string_view target;
    std::string_view command;
    std::string_view syntax;
};

// "help <word>": the keyword text searched and the description override
// (empty for none).
struct FixedQuery {
    std::string_view word;
    std::string_view keywords;
    std::string_view descriptionOverride;
};

// The 32 topics, in the order they are searched and printed.
std::span<const Topic> topics();

// The nine command words that have a fixed topic group.
std::span<const FixedQuery> fixedQueries();

// The generic syntax page, one entry per output line.
std::span<const std::string_view> genericPage();

// Answers to a search that matched nothing, one entry per output line.
std::span<const std::string_view> noMatchOneWord();
std::span<const std::string_view> noMatchSeveralWords();

// Header of the description section of a search without an override.
inline constexpr std::string_view kSearchHeader = "The following documentation pertains to your search:";

} // namespace HelpTopics

#endif
