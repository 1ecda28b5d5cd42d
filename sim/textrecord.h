// One line of a profile or state file: a kind word, positional words and
// key=value fields, for example
//     drive 1I:1:3 interface=sas size=300GB model="ORVX DG0300"
// Values holding blanks, quotes or '#' are written in double quotes with
// backslash escapes. A '#' outside quotes starts a comment.
#ifndef VNL_SIM_TEXTRECORD_H
#define VNL_SIM_TEXTRECORD_H

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Sim {

struct TextRecord {
    std::string kind;
    std::vector<std::string> words;
    std::vector<std::pair<std::string, std::string>> fields;

    bool has(std::string_view key) const;
    // The field's value, or fallback when absent.
    std::string get(std::string_view key, std::string_view fallback = "") const;
    // Adds a field, or replaces the value of an existing one.
    void set(std::string_view key, std::string_view value);
};

// Parses one line. An empty or comment-only line gives an empty kind.
// A malformed line (unterminated quote, field without a name) gives nullopt
// and a reason in error.
std::optional<TextRecord> parseRecordLine(std::string_view line, std::string& error);

// The record as one line, parseable by parseRecordLine.
std::string formatRecord(const TextRecord& record);

} // namespace Sim

#endif
