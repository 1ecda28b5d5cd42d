#include "common/texthelpers.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

namespace Common {
namespace {

string join(const list<string>& pieces, const string& separator)
{
    string joined;
    for (auto piece = pieces.begin(); piece != pieces.end(); ++piece) {
        if (piece != pieces.begin())
            joined += separator;
        joined += *piece;
    }
    return joined;
}

template <class Matches>
std::size_t skipWhile(const string& text, std::size_t position, SkipDirection direction, std::size_t limit,
                      Matches matches)
{
    position = std::min(position, text.size());
    for (std::size_t moved = 0; moved < limit; ++moved) {
        if (direction == SKIP_FORWARD && position < text.size() && matches(text[position]))
            ++position;
        else if (direction == SKIP_BACKWARD && position > 0 && matches(text[position - 1]))
            --position;
        else
            break;
    }
    return position;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

list<string> split(const string& text, const string& separator)
{
    list<string> pieces;
    std::size_t start = 0;
    if (!separator.empty()) {
        for (std::size_t at = text.find(separator); at != string::npos; at = text.find(separator, start)) {
            pieces.push_back(text.substr(start, at - start));
            start = at + separator.size();
        }
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

void ReplaceAll(string& text, const string& from, const string& to)
{
    if (!from.empty() && text.find(from) != string::npos)
        text = join(split(text, from), to);
}

std::size_t SkipWhiteSpace(const string& text, std::size_t position, SkipDirection direction)
{
    return skipWhile(text, position, direction, std::numeric_limits<std::size_t>::max(), isBlank);
}

void TrimWhiteSpace(const string& text, std::size_t& first, std::size_t& last)
{
    first = SkipWhiteSpace(text, first, SKIP_FORWARD);
    last = std::max(first, SkipWhiteSpace(text, last, SKIP_BACKWARD));
}

std::size_t SkipChar(const string& text, std::size_t position, char character, SkipDirection direction,
                     std::size_t limit)
{
    return skipWhile(text, position, direction, limit, [character](char c) { return c == character; });
}

string intToArrayLetter(std::uint64_t arrayNumber)
{
    // Bijective base 26: 0 is A, 25 is Z, 26 is AA, 51 is AZ, 52 is BA.
    char letters[16];
    std::size_t first = sizeof letters;
    std::uint64_t rest = arrayNumber;
    do {
        letters[--first] = char('A' + rest % 26);
        rest /= 26;
    } while (rest-- > 0);
    return string(letters + first, sizeof letters - first);
}

string increment(std::uint64_t n)
{
    if (n == std::numeric_limits<std::uint64_t>::max())
        return string("18446744073709551616");
    char text[24];
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(n + 1));
    return string(text);
}

string toPercent(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, 20);
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::vector<char> text(std::size_t(std::max(length, 0)) + 1);
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return string(text.data()) + "%";
}

} // namespace Common
