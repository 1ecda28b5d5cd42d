#include "cli/clirangeexpander.h"

#include <cctype>
#include <vector>

#include "cli/clierror.h"
#include "cli/clihelpers.h"

namespace {

constexpr char INVALID_SYNTAX[] = "Invalid physical drive syntax: ";
constexpr char NOT_ASCENDING[] = "The following drive range must be specified in ascending order: ";

// Positions are held as ranks: a box or bay as its number, a port as its place
// in the order 1I < 2I < 3I < 4I < 1E < 2E (ranks 1 to 6).
constexpr unsigned MAX_INTERNAL_PORT = 4;
constexpr unsigned MAX_EXTERNAL_PORT = 2;
constexpr unsigned MAX_PORT_RANK = MAX_INTERNAL_PORT + MAX_EXTERNAL_PORT;
constexpr unsigned MAX_BOX = 8;
constexpr unsigned MAX_BAY = 25;
// Larger numbers are all simply "above the maximum".
constexpr unsigned NUMBER_CEILING = 1000;

using Ranks = std::vector<unsigned>;

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

std::string join(const std::vector<std::string>& pieces, const std::string& separator)
{
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        out += (i ? separator : "") + pieces[i];
    return out;
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

unsigned number(const std::string& digits)
{
    unsigned value = 0;
    for (char c : digits)
        value = value >= NUMBER_CEILING ? NUMBER_CEILING : value * 10 + static_cast<unsigned>(c - '0');
    return value;
}

Ranks maxima(bool hasPort)
{
    if (hasPort)
        return {MAX_PORT_RANK, MAX_BOX, MAX_BAY};
    return {MAX_BOX, MAX_BAY};
}

enum class Clamp { NONE, REST_TO_MAXIMUM, REST_TO_ZERO };

// A port such as "2I" or "1E", clamped to the ports there are.
bool parsePort(const std::string& text, unsigned& rank, Clamp& clamp)
{
    const char letter = text.empty() ? '\0' : text.back();
    const std::string digits = text.substr(0, text.empty() ? 0 : text.size() - 1);
    if ((letter != 'I' && letter != 'E') || !CLI_HELPERS::isDigits(digits))
        return false;
    const unsigned limit = letter == 'I' ? MAX_INTERNAL_PORT : MAX_EXTERNAL_PORT;
    const unsigned offset = letter == 'I' ? 0 : MAX_INTERNAL_PORT;
    unsigned port = number(digits);
    if (port > limit) {
        port = limit;
        clamp = Clamp::REST_TO_MAXIMUM;
    } else if (port < 1) {
        port = 1;
        clamp = Clamp::REST_TO_ZERO;
    }
    rank = offset + port;
    return true;
}

// A box or bay, clamped to [0, maximum].
bool parseNumber(const std::string& text, unsigned maximum, unsigned& rank, Clamp& clamp)
{
    if (!CLI_HELPERS::isDigits(text))
        return false;
    rank = number(text);
    if (rank > maximum) {
        rank = maximum;
        clamp = Clamp::REST_TO_MAXIMUM;
    } else if (rank < 1) {
        rank = 0;
    }
    return true;
}

// Checks one end of a range and clamps it: a position above its maximum takes
// every later position to its maximum, a port below 1 takes them to zero.
bool isValidDigitSyntax(const std::vector<std::string>& parts, Ranks& ranks)
{
    const bool hasPort = parts.size() == 3;
    const Ranks limits = maxima(hasPort);
    ranks.assign(parts.size(), 0);
    Clamp clamp = Clamp::NONE;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        Clamp own = Clamp::NONE;
        const bool valid =
            hasPort && i == 0 ? parsePort(parts[i], ranks[i], own) : parseNumber(parts[i], limits[i], ranks[i], own);
        if (!valid)
            return false;
        if (clamp == Clamp::REST_TO_MAXIMUM)
            ranks[i] = limits[i];
        else if (clamp == Clamp::REST_TO_ZERO)
            ranks[i] = 0;
        else
            clamp = own;
    }
    return true;
}

std::string addressText(const Ranks& ranks)
{
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        const bool isPort = ranks.size() == 3 && i == 0;
        if (isPort && ranks[i] > MAX_INTERNAL_PORT)
            parts.push_back(std::to_string(ranks[i] - MAX_INTERNAL_PORT) + "E");
        else
            parts.push_back(std::to_string(ranks[i]) + (isPort ? "I" : ""));
    }
    return join(parts, ":");
}

// One odometer step; false when the first position would carry over.
bool increment(Ranks& ranks, const Ranks& limits)
{
    for (std::size_t i = ranks.size(); i-- > 0;) {
        if (ranks[i] < limits[i]) {
            ++ranks[i];
            return true;
        }
        ranks[i] = 1;
    }
    return false;
}

bool fail(const char* message, const std::string& item)
{
    CError::log(message + item, "", 1);
    return false;
}

// Appends the addresses of the range `item` ("start-end") to `out`.
bool expandRange(const std::string& item, std::vector<std::string>& out)
{
    const std::vector<std::string> ends = split(item, '-');
    if (ends.size() != 2)
        return fail(INVALID_SYNTAX, item);
    const std::vector<std::string> first = split(ends[0], ':');
    const std::vector<std::string> last = split(ends[1], ':');
    if (first.size() != last.size() || first.size() < 2 || first.size() > 3)
        return fail(INVALID_SYNTAX, item);
    Ranks start, end;
    if (!isValidDigitSyntax(first, start) || !isValidDigitSyntax(last, end))
        return fail(INVALID_SYNTAX, item);
    if (start > end)
        return fail(NOT_ASCENDING, item);
    // The walk ends at the end address, or past it when the end lies between
    // odometer positions (a bay clamped to 0 is never reached from below).
    const Ranks limits = maxima(first.size() == 3);
    for (Ranks at = start; at <= end;) {
        out.push_back(addressText(at) + "*");
        if (!increment(at, limits))
            break;
    }
    return true;
}

} // namespace

std::string CRangeExpander::expandDriveNumbers(const std::string& text)
{
    if (text == "all" || text == "allunassigned")
        return text;
    std::vector<std::string> drives;
    for (const std::string& item : split(upper(text), ',')) {
        if (item.find('-') == std::string::npos)
            drives.push_back(item);
        else if (!expandRange(item, drives))
            return "";
    }
    return join(drives, ",");
}

std::string StripSkippableTag(const std::string& drive) { return drive.substr(0, drive.find('*')); }
