#include "operations/conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>
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

} // namespace

unsigned hexStringToInt(const Common::string& text) { return hexByte(std::string_view(text.c_str(), text.size())); }

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

Common::string timeToString(std::span<const std::uint8_t>) { return Common::string("0:0:0"); }

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
    return toIpV4String(
        {std::uint8_t(address), std::uint8_t(address >> 8), std::uint8_t(address >> 16), std::uint8_t(address >> 24)});
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
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", bytes[0], bytes[1], bytes[2], bytes[3], bytes[4],
                  bytes[5]);
    return Common::string(text);
}

Common::string toString(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return Common::string(text);
}

// SizeConvert

std::uint64_t SizeConvert::toBlocks(double value)
{
    constexpr double limit = 18446744073709551616.0; // 2^64
    if (!(value > 0.0))
        return 0;
    if (value >= limit)
        return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(value);
}

std::uint64_t SizeConvert::addBlocks(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t room = std::numeric_limits<std::uint64_t>::max() - a;
    return b > room ? std::numeric_limits<std::uint64_t>::max() : a + b;
}

std::uint64_t SizeConvert::strToBlock(const Common::string& text)
{
    const char* first = text.begin();
    while (first != text.end() && (*first == ' ' || *first == '\t'))
        ++first;
    std::uint64_t blocks = 0;
    const auto result = std::from_chars(first, text.end(), blocks);
    if (result.ec == std::errc::result_out_of_range)
        return std::numeric_limits<std::uint64_t>::max();
    return result.ec == std::errc() ? blocks : 0;
}

double SizeConvert::strToFloat(const Common::string& text)
{
    const char* first = text.begin();
    while (first != text.end() && (*first == ' ' || *first == '\t'))
        ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, text.end(), value);
    return result.ec == std::errc() ? value : 0.0;
}

std::uint64_t SizeConvert::blocksPerUnit(EnUnitType unit)
{
    constexpr std::uint64_t perUnit[] = {1, BLOCKS_PER_TB, BLOCKS_PER_GB, BLOCKS_PER_MB, BLOCKS_PER_KB};
    const auto index = static_cast<unsigned>(unit);
    return index <= UNIT_KB ? perUnit[index] : 0;
}

std::uint64_t SizeConvert::convertToBlocks(double value, EnUnitType unit, EnConvertType convertType)
{
    const std::uint64_t perUnit = blocksPerUnit(unit);
    if (perUnit == 0)
        return 0;
    const std::uint64_t blocks = toBlocks(value * double(perUnit));
    return unit == UNIT_MB && convertType == CONVERT_USER_ENTRY ? addBlocks(blocks, BLOCKS_PER_MB - 1) : blocks;
}

std::uint64_t SizeConvert::convertToBlocks(const Common::string& value, EnUnitType unit, EnConvertType convertType)
{
    return convertToBlocks(strToFloat(value), unit, convertType);
}

double SizeConvert::convertFromBlocks(std::uint64_t blocks, EnUnitType& unit, EnConvertType convertType)
{
    SizeEntry entry;
    if (convertType == CONVERT_MARKETING || unit == UNIT_AUTO) {
        if (convertType == CONVERT_MARKETING)
            GetMarketingSize(blocks, entry);
        else
            CalculateSize(blocks, entry);
        unit = entry.unit;
        return entry.number;
    }
    const std::uint64_t perUnit = blocksPerUnit(unit);
    if (perUnit == 0)
        return 0.0;
    return unit == UNIT_KB ? double(blocksToKB(blocks)) : double(blocks) / double(perUnit);
}

double SizeConvert::convertFromBlocks(const Common::string& blocks, EnUnitType& unit, EnConvertType convertType)
{
    return convertFromBlocks(strToBlock(blocks), unit, convertType);
}

void SizeConvert::Convert(double value, EnUnitType fromUnit, EnUnitType& toUnit, double& result,
                          EnConvertType convertType)
{
    result = convertFromBlocks(convertToBlocks(value, fromUnit, convertType), toUnit, convertType);
}

void SizeConvert::Convert(const Common::string& value, EnUnitType fromUnit, EnUnitType& toUnit, double& result,
                          EnConvertType convertType)
{
    Convert(strToFloat(value), fromUnit, toUnit, result, convertType);
}

void SizeConvert::setEntry(SizeEntry& entry, const char* number, const char* unitWord, EnUnitType unit)
{
    entry.text = Common::string(number) + " " + unitWord;
    entry.number = strToFloat(number);
    entry.unit = unit;
}

void SizeConvert::CalculateSize(std::uint64_t blocks, SizeEntry& entry)
{
    char number[48];
    if (blocks > BLOCKS_PER_TB) {
        std::snprintf(number, sizeof number, "%-3.1f", blocksToTB(blocks));
        setEntry(entry, number, "TB", UNIT_TB);
    } else if (blocks > BLOCKS_PER_GB) {
        std::snprintf(number, sizeof number, "%-3.1f", blocksToGB(blocks));
        setEntry(entry, number, "GB", UNIT_GB);
    } else if (blocks > BLOCKS_PER_MB) {
        std::snprintf(number, sizeof number, "%lld", static_cast<long long>(blocks / BLOCKS_PER_MB));
        setEntry(entry, number, "MB", UNIT_MB);
    } else if (blocks > 2) {
        std::snprintf(number, sizeof number, "%0.0f", double(blocksToKB(blocks)));
        setEntry(entry, number, "KB", UNIT_KB);
    } else {
        setEntry(entry, "0", "MB", UNIT_MB);
    }
}

const SizeConvert::MarketingSize* SizeConvert::findMarketingSize(std::uint64_t blocks)
{
    // The label sizes of known drives, by exact block count, in ascending order.
    static constexpr MarketingSize table[] = {
        {636508, "330", UNIT_MB},    {644700, "330", UNIT_MB},     {1082808, "550", UNIT_MB},
        {1091000, "550", UNIT_MB},   {2042808, "1.05", UNIT_GB},   {2051000, "1.05", UNIT_GB},
        {4110000, "2.1", UNIT_GB},   {8371888, "4.3", UNIT_GB},    {8377808, "4.3", UNIT_GB},
        {8380080, "4.3", UNIT_GB},   {8386000, "4.3", UNIT_GB},    {17765308, "9.1", UNIT_GB},
        {17765332, "9.1", UNIT_GB},  {71132960, "36", UNIT_GB},    {143374738, "72", UNIT_GB},
        {286749488, "146", UNIT_GB}, {488397168, "250", UNIT_GB},  {585929308, "300", UNIT_GB},
        {585937500, "300", UNIT_GB}, {1465149168, "750", UNIT_GB},
    };
    static_assert(std::is_sorted(std::begin(table), std::end(table),
                                 [](const MarketingSize& a, const MarketingSize& b) { return a.blocks < b.blocks; }));
    const MarketingSize* found =
        std::lower_bound(std::begin(table), std::end(table), blocks,
                         [](const MarketingSize& row, std::uint64_t wanted) { return row.blocks < wanted; });
    return found != std::end(table) && found->blocks == blocks ? found : nullptr;
}

void SizeConvert::GetMarketingSize(std::uint64_t blocks, SizeEntry& entry)
{
    const MarketingSize* known = findMarketingSize(blocks);
    if (known == nullptr) {
        CalculateMarketingSize(blocks, entry);
        return;
    }
    setEntry(entry, known->text, known->unit == UNIT_MB ? "MB" : "GB", known->unit);
}

void SizeConvert::CalculateMarketingSize(std::uint64_t blocks, SizeEntry& entry)
{
    // Decimal megabytes; at most 2^64 * 512 / 10^6, well inside 64 bits.
    const auto megabytes = static_cast<long long>(double(blocks) * 512.0 / 1000000.0);
    char number[48];
    if (megabytes >= 1000) {
        std::snprintf(number, sizeof number, "%lld.%1lld", megabytes / 1000, (megabytes % 1000) / 100);
        setEntry(entry, number, "GB", UNIT_GB);
    } else {
        std::snprintf(number, sizeof number, "%lld", megabytes);
        setEntry(entry, number, "MB", UNIT_MB);
    }
}

Common::string SizeConvert::sizeString(std::uint64_t blocks, EnConvertType convertType)
{
    SizeEntry entry;
    if (convertType == CONVERT_MARKETING)
        GetMarketingSize(blocks, entry);
    else
        CalculateSize(blocks, entry);
    return entry.text;
}

Common::string SizeConvert::sizeString(const Common::string& blocks, EnConvertType convertType)
{
    return sizeString(strToBlock(blocks), convertType);
}

Common::string SizeConvert::sizeString(double value, EnUnitType unit, EnConvertType convertType)
{
    return sizeString(convertToBlocks(value, unit, convertType), convertType);
}

Common::string SizeConvert::sizeString(const Common::string& value, EnUnitType unit, EnConvertType convertType)
{
    return sizeString(strToFloat(value), unit, convertType);
}

} // namespace Conversion
