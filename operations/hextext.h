// hexText - bytes as upper-case hexadecimal digits, first byte first: the form in which
// world-wide names and initiator identifiers (most significant byte first in replies) are shown.
#ifndef VNL_OPERATIONS_HEXTEXT_H
#define VNL_OPERATIONS_HEXTEXT_H

#include <cstddef>
#include <cstdint>

#include "common/ctlstring.h"

namespace Operations {

Common::string hexText(const std::uint8_t* bytes, std::size_t count);

template <std::size_t N>
Common::string hexText(const std::uint8_t (&bytes)[N])
{
    return hexText(bytes, N);
}

// The bytes `text` spells in hexadecimal digits (either case), first byte first: an initiator
// identifier as hexText shows it. False, with `bytes` untouched, unless the text is exactly
// 2 * count digits.
bool hexBytes(const Common::string& text, std::uint8_t* bytes, std::size_t count);

// A world-wide name that a reply carries in a character field (the node name of a storage
// system): its bytes as hexadecimal digits, or empty when the field is all zero (no name).
Common::string worldWideName(const char* field, std::size_t width);

template <std::size_t N>
Common::string worldWideName(const char (&field)[N])
{
    return worldWideName(field, N);
}

} // namespace Operations

#endif
