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

} // namespace Operations

#endif
