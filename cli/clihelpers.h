// CLI_HELPERS holds the command grammar shared by the console and the command
// handlers: the word classes (commands, flags, parameter keywords), synonym
// replacement and case folding, splitting a line into words, the test for
// read-only lines, and the services the handlers use to take parameters and
// ask the user for confirmation. Everything here except userResponse is a
// pure function of its arguments.
#ifndef VNL_CLI_CLIHELPERS_H
#define VNL_CLI_CLIHELPERS_H

#include <cstddef>
#include <istream>
#include <list>
#include <string>
#include <utility>
#include <vector>

// The parameters of one command line as (name, value) pairs in the order
// typed; a flag or a command word has an empty value.
using ParamList = std::list<std::pair<std::string, std::string>>;

namespace CLI_HELPERS {

// The longest command line the console accepts, in characters.
inline constexpr std::size_t MAX_LINE_LENGTH = 1023;

// "7.80-3.0": the program's version.
std::string VersionString();

// Puts double quotes around the value of a one-shot argument whose parameter
// may hold blanks (chassisname=Box One -> chassisname="Box One").
std::string addQuotes(const std::string& arg);

// Splits at `separator`. A double quote opens a run that is copied unchanged
// up to the next double quote (the quotes are kept when `keepQuotes`). A run
// of separators counts as one; a single leading separator yields an empty
// first word; trailing separators yield no empty word.
std::vector<std::string> cli_split(const std::string& text, bool keepQuotes, char separator);

// The strings of [first, last) joined with `separator`.
template <typename Iterator>
std::string fuse(Iterator first, Iterator last, const std::string& separator)
{
    std::string out;
    for (Iterator it = first; it != last; ++it) {
        if (it != first)
            out += separator;
        out += *it;
    }
    return out;
}

// Expands short forms (ctrl, ld, cr=..., type=ld), lower-cases the line
// except the values of the case-keeping parameters, and upper-cases the word
// after "array" (array a -> array A; array all stays).
std::string ReplaceSynonyms(const std::string& line);

// True for a line that changes nothing: a show with at most one of status,
// ssp, detail or config, or a help line; never when it names connectionname.
bool isReadOperation(const std::string& line);

bool isCommand(const std::string& word);
bool isKeyword(const std::string& word);
bool isUnsettableKeyword(const std::string& word);

// True when a target word (before the command word) is "all" or
// "allunassigned".
bool isWildcard(const std::string& line);

// Removes the first pair named `name` and returns its value, or `fallback`
// when there is none.
std::string popValue(ParamList& params, const std::string& name, const std::string& fallback);
// Removes the first pair named `name`; false when there is none.
bool popUnsettable(ParamList& params, const std::string& name);

// Asks `prompt` as a warning on the console's output and reads one line
// from standard input; true only for the answer "y" or "Y".
bool userResponse(const std::string& prompt);

// Reads one line without its newline; false at end of input. Of a longer
// line only the first MAX_LINE_LENGTH + 1 characters are kept (enough to see
// that it is too long); the rest is read and dropped.
bool readLine(std::istream& in, std::string& line);

// The name part of a word: the text before its first "=" (all of it when
// there is none).
std::string paramName(const std::string& word);

// The lower-case form of ASCII text.
std::string lowerCase(const std::string& text);

// True for a non-empty run of the decimal digits 0-9.
bool isDigits(const std::string& text);

// The first character of a chassis or connection name that is not allowed
// (a letter, a digit, a blank or one of !@#*_()+\:./,-), or npos.
std::size_t badNameCharacter(const std::string& name);

} // namespace CLI_HELPERS

// Parts of a drive address joined with ":" (port, box, bay -> "1:2:3").
std::string driveName(const std::vector<std::string>& parts);

#endif
