#include "operations/hextext.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace Operations {
Common::string hexText(const std::uint8_t* bytes, std::size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    Common::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

bool hexBytes(const Common::string& text, std::uint8_t* bytes, std::size_t count)
{
    if (text.size() != 2 * count ||
        !std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return false;
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(std::stoul(std::string(text.c_str() + 2 * i, 2), nullptr, 16));
    return true;
}

Common::string worldWideName(const char* field, std::size_t width)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(field);
    if (std::all_of(bytes, bytes + width, [](std::uint8_t byte) { return byte == 0; }))
        return Common::string();
    return hexText(bytes, width);
}

} // namespace Operations
