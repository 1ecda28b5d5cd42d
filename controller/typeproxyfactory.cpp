#include "controller/typeproxyfactory.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace {

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    constexpr std::string_view blanks = " \t\r\n";
    for (std::size_t start = text.find_first_not_of(blanks); start != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_of(blanks, start), text.size());
        result.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(blanks, end);
    }
    return result;
}

std::optional<std::uint64_t> parseUnsigned(std::string_view word, int base)
{
    std::uint64_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value, base);
    if (word.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool fits(std::uint64_t value, std::size_t width) { return width >= sizeof value || (value >> (8 * width)) == 0; }

// Decimal, or hexadecimal after "0x"; the value must fit `width` bytes.
std::optional<std::uint64_t> parseNumber(std::string_view word, std::size_t width)
{
    const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
    const auto value = hex ? parseUnsigned(word.substr(2), 16) : parseUnsigned(word, 10);
    return value && fits(*value, width) ? value : std::nullopt;
}

std::optional<std::uint64_t> parseHexByte(std::string_view word, std::size_t)
{
    return word.size() <= 2 ? parseUnsigned(word, 16) : std::nullopt;
}

std::uint64_t loadLittleEndian(std::span<const std::uint8_t> bytes)
{
    std::uint64_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void storeLittleEndian(std::uint64_t value, std::span<std::uint8_t> bytes)
{
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

void appendHex(std::string& out, std::uint64_t value, std::size_t digits)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    for (std::size_t i = digits; i-- > 0;) {
        out.push_back(kDigits[(value >> (4 * i)) & 0xF]);
    }
}

// A member read as a row of equal-width little-endian elements.
class ElementProxy : public TypeProxy {
public:
    using Parser = std::optional<std::uint64_t> (*)(std::string_view, std::size_t);

    ElementProxy(std::size_t width, std::string_view prefix, Parser parse)
        : m_width(width), m_prefix(prefix), m_parse(parse)
    {
    }

    std::string read(std::span<const std::uint8_t> bytes) const override
    {
        std::string out;
        out.reserve(bytes.size() / m_width * (m_prefix.size() + 2 * m_width + 1));
        for (std::size_t at = 0; at + m_width <= bytes.size(); at += m_width) {
            if (at != 0) {
                out.push_back(' ');
            }
            out.append(m_prefix);
            appendHex(out, loadLittleEndian(bytes.subspan(at, m_width)), 2 * m_width);
        }
        return out;
    }

    bool write(std::string_view text, std::span<std::uint8_t> bytes) const override
    {
        const std::vector<std::string_view> given = words(text);
        const std::size_t count = bytes.size() / m_width;
        if (given.size() > count || (given.empty() && count != 0)) {
            return false;
        }
        std::vector<std::uint64_t> values(count, 0);
        for (std::size_t i = 0; i < given.size(); ++i) {
            const auto value = m_parse(given[i], m_width);
            if (!value) {
                return false;
            }
            values[i] = *value;
        }
        for (std::size_t i = 0; i < count; ++i) {
            storeLittleEndian(values[i], bytes.subspan(i * m_width, m_width));
        }
        return true;
    }

    std::size_t width() const { return m_width; }

private:
    std::size_t m_width;
    std::string_view m_prefix;
    Parser m_parse;
};

// A fixed-width character field, not necessarily terminated.
class TextProxy : public TypeProxy {
public:
    std::string read(std::span<const std::uint8_t> bytes) const override
    {
        std::string out;
        for (std::uint8_t byte : bytes) {
            if (byte == 0) {
                break;
            }
            out.push_back(byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '.');
        }
        return out;
    }

    bool write(std::string_view text, std::span<std::uint8_t> bytes) const override
    {
        if (text.size() > bytes.size() || text.find('\0') != std::string_view::npos) {
            return false;
        }
        std::fill(bytes.begin(), bytes.end(), 0);
        std::copy(text.begin(), text.end(), bytes.begin());
        return true;
    }
};

const ElementProxy kHexBytes{1, "", parseHexByte};
const TextProxy kText;

struct NamedProxy {
    std::string_view typeName;
    const ElementProxy proxy;
};

const NamedProxy kNumbers[] = {
    {"SA_BYTE", {1, "0x", parseNumber}},
    {"SA_WORD", {2, "0x", parseNumber}},
    {"SA_DWORD", {4, "0x", parseNumber}},
    {"SA_QWORD", {8, "0x", parseNumber}},
};

} // namespace

std::string_view TypeProxyFactory::elementType(std::string_view typeName)
{
    constexpr std::string_view kArray = " []";
    return typeName.ends_with(kArray) ? typeName.substr(0, typeName.size() - kArray.size()) : typeName;
}

const TypeProxy& TypeProxyFactory::proxyFor(std::string_view typeName, std::size_t memberSize)
{
    const std::string_view element = elementType(typeName);
    if (element == "char") {
        return kText;
    }
    for (const NamedProxy& number : kNumbers) {
        if (number.typeName == element && memberSize % number.proxy.width() == 0) {
            return number.proxy;
        }
    }
    return kHexBytes;
}
