// String helpers shared by the display texts and the command layer: splitting, replacing,
// skipping and trimming text, and the number forms shown to users (array letters, one-based
// numbers, percentages). Nothing here throws, reads outside a string or loops without end.
#ifndef COMMON_TEXTHELPERS_H
#define COMMON_TEXTHELPERS_H

#include <cstddef>
#include <cstdint>

#include "common/containers.h"
#include "common/ctlstring.h"

namespace Common {

// A position is a boundary
// between characters, 0 to the text's size: skipping forwards looks at the
// character after it, skipping backwards at the character before it.
enum SkipDirection { SKIP_FORWARD, SKIP_BACKWARD };

// Pieces between separators, the piece after the last one always included
// ("a,b," gives a, b and an empty piece). An empty separator gives the text whole.
list<string> split(const string& text, const string& separator);
// Replaces every occurrence left to right; inserted text is not searched
// again. An empty `from` changes nothing.
void ReplaceAll(string& text, const string& from, const string& to);
// Moves over blanks and tabs in the direction, stopping at the first other
// character or at the end of the text.
std::size_t SkipWhiteSpace(const string& text, std::size_t position, SkipDirection direction);
// Moves `first` forwards and `last` backwards over white space, so that the
// text between them is trimmed; `last` never ends up before `first`.
void TrimWhiteSpace(const string& text, std::size_t& first, std::size_t& last);
// Moves over at most `limit` consecutive copies of `character`.
std::size_t SkipChar(const string& text, std::size_t position, char character, SkipDirection direction,
                     std::size_t limit);
// Array letters of a zero-based array number: A to Z, then AA to AZ, BA and
// onwards as in spreadsheet columns.
string intToArrayLetter(std::uint64_t arrayNumber);
// The decimal text of n + 1 (a zero-based index shown one-based).
string increment(std::uint64_t n);
// The number with the given decimals (at most 20) and "%" appended: 45 with one decimal is "45.0%".
string toPercent(double value, int decimals);

} // namespace Common

#endif
