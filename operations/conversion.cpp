#include "operations/conversion.h"

#include <cstdio>
#include <numeric>
#include <string_view>

namespace Conversion {
namespace {

// Value of a hexadecimal digit, or -1.
int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

unsigned hexByte(std::string_view text)
{
    unsigned value = 0;
    for (std::size_t i = 0; i < text.size() && i < 2 && hexDigit(text[i]) >= 0; ++i)
        value = value * 16 + unsigned(hexDigit(text[i]));
    return value;
}

// One decimal byte (0 to 255, at least one digit) at the front of `text`;
// advances past it.
bool takeByte(std::string_view& text, std::uint8_t& byte)
{
    unsigned value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || value > 255)
        return false;
    byte = static_cast<std::uint8_t>(value);
    text.remove_prefix(std::size_t(result.ptr - text.data()));
    return true;
}

}  // namespace

unsigned hexStringToInt(const Common::string& text)
{
    return hexByte(std::string_view(text.c_str(), text.size()));
}

std::vector<std::uint8_t> stringToArray(const Common::string& text)
{
    const std::string_view view(text.c_str(), text.size());
    std::vector<std::uint8_t> bytes;
    bytes.reserve(view.size() / 2);
    for (std::size_t i = 0; i + 1 < view.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(hexByte(view.substr(i, 2))));
    return bytes;
}

Common::string dateToString(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 4)
        return Common::string();
    const unsigned year = unsigned(bytes[0]) << 8 | bytes[1];
    char text[32];
    std::snprintf(text, sizeof text, "%u/%u/%u", unsigned(bytes[2]), unsigned(bytes[3]), year);
    return Common::string(text);
}

Common::string timeToString(std::span<const std::uint8_t>)
{
    return Common::string("0:0:0");
}

unsigned clampPercentage(unsigned percent)
{
    const unsigned remainder = percent % 5;
    return remainder <= 2 ? percent - remainder : percent + (5 - remainder);
}

std::uint64_t leastCommonMultiple(std::uint64_t a, std::uint64_t b)
{
    if (a == 0 || b == 0)
        return 0;
    const std::uint64_t step = a / std::gcd(a, b);
    if (step > std::numeric_limits<std::uint64_t>::max() / b)
        return std::numeric_limits<std::uint64_t>::max();
    return step * b;
}

bool ipToNumber(std::array<std::uint8_t, 4>& bytes, const Common::string& text)
{
    std::string_view rest(text.c_str(), text.size());
    std::array<std::uint8_t, 4> parsed{};
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        if (i > 0) {
            if (rest.empty() || rest.front() != '.')
                return false;
            rest.remove_prefix(1);
        }
        if (!takeByte(rest, parsed[i]))
            return false;
    }
    if (!rest.empty())
        return false;
    bytes = parsed;
    return true;
}

Common::string toIpV4String(const std::array<std::uint8_t, 4>& bytes)
{
    char text[20];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", bytes[0], bytes[1], bytes[2], bytes[3]);
    return Common::string(text);
}

Common::string toIpV4String(std::uint32_t address)
{
    return toIpV4String({std::uint8_t(address), std::uint8_t(address >> 8), std::uint8_t(address >> 16),
                         std::uint8_t(address >> 24)});
}

std::size_t stringToIndex(const char* const* begin, const char* const* end, const Common::string& text)
{
    for (const char* const* entry = begin; entry != end; ++entry)
        if (*entry != nullptr && text == *entry)
            return std::size_t(entry - begin);
    return std::size_t(end - begin);
}

Common::string MacToString(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 6)
        return Common::string();
    char text[20];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", bytes[0], bytes[1], bytes[2], bytes[3],
                  bytes[4], bytes[5]);
    return Common::string(text);
}

Common::string toString(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return Common::string(text);
}

}  // namespace Conversion
