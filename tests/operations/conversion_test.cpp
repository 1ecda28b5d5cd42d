#include "operations/conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using Conversion::SizeConvert;
constexpr std::uint64_t kMaxBlocks = std::numeric_limits<std::uint64_t>::max();

struct SizeCase {
    std::uint64_t blocks;
    const char* text;
};

TEST(SizeConvertTest, BinarySizesSwitchUnitOnlyAboveEachThreshold)
{
    const SizeCase cases[] = {
        {0, "0 MB"},
        {2, "0 MB"},
        {3, "1 KB"},
        {2048, "1024 KB"},
        {2049, "1 MB"},
        {2097152, "1024 MB"},
        {2097153, "1.0 GB"},
        {3145728, "1.5 GB"},
        {2147483648, "1024.0 GB"},
        {2147483649, "1.0 TB"},
        {kMaxBlocks, "8589934592.0 TB"},
    };
    for (const SizeCase& c : cases)
        EXPECT_EQ(SizeConvert::sizeString(c.blocks, SizeConvert::CONVERT_BINARY), c.text) << c.blocks;
    EXPECT_EQ(SizeConvert::sizeString(Common::string("3145728"), SizeConvert::CONVERT_BINARY), "1.5 GB");
}

TEST(SizeConvertTest, KnownDrivesShowTheirLabelSizeAndOthersTheDecimalSize)
{
    const SizeCase cases[] = {
        {636508, "330 MB"},
        {143374738, "72 GB"},
        // Neighbours of label rows and the decimal rule: tenths truncated.
        {143374739, "73.4 GB"},
        {636509, "325 MB"},
        {1953123, "999 MB"},
        {1953125, "1.0 GB"},
        {3904296, "1.9 GB"},
        {0, "0 MB"},
    };
    for (const SizeCase& c : cases)
        EXPECT_EQ(SizeConvert::sizeString(c.blocks, SizeConvert::CONVERT_MARKETING), c.text) << c.blocks;
}

TEST(SizeConvertTest, MarketingConversionReportsTheLabelNumberAndUnit)
{
    SizeConvert::EnUnitType unit = SizeConvert::UNIT_BLOCKS;
    EXPECT_DOUBLE_EQ(SizeConvert::convertFromBlocks(2042808, unit, SizeConvert::CONVERT_MARKETING), 1.05);
    EXPECT_EQ(unit, SizeConvert::UNIT_GB);
    EXPECT_DOUBLE_EQ(SizeConvert::convertFromBlocks(644700, unit, SizeConvert::CONVERT_MARKETING), 330);
    EXPECT_EQ(unit, SizeConvert::UNIT_MB);
}

TEST(SizeConvertTest, UserEntriesInMegabytesRoundUpToWholeMegabytes)
{
    EXPECT_EQ(SizeConvert::convertToBlocks(1000.0, SizeConvert::UNIT_MB, SizeConvert::CONVERT_USER_ENTRY), 2050047u);
    EXPECT_EQ(SizeConvert::convertToBlocks(1000.0, SizeConvert::UNIT_MB, SizeConvert::CONVERT_BINARY), 2048000u);
    EXPECT_EQ(
        SizeConvert::convertToBlocks(Common::string("1000"), SizeConvert::UNIT_MB, SizeConvert::CONVERT_USER_ENTRY),
        2050047u);
    EXPECT_EQ(SizeConvert::uiMBToBlocks(1), 4095u);
}

TEST(SizeConvertTest, EachUnitConvertsToBlocksTruncating)
{
    EXPECT_EQ(SizeConvert::convertToBlocks(1.5, SizeConvert::UNIT_TB, SizeConvert::CONVERT_BINARY), 3221225472u);
    EXPECT_EQ(SizeConvert::convertToBlocks(0.1, SizeConvert::UNIT_GB, SizeConvert::CONVERT_BINARY), 209715u);
    EXPECT_EQ(SizeConvert::convertToBlocks(3.7, SizeConvert::UNIT_KB, SizeConvert::CONVERT_BINARY), 7u);
    EXPECT_EQ(SizeConvert::convertToBlocks(9.9, SizeConvert::UNIT_BLOCKS, SizeConvert::CONVERT_BINARY), 9u);
    EXPECT_EQ(SizeConvert::convertToBlocks(5.0, SizeConvert::UNIT_AUTO, SizeConvert::CONVERT_BINARY), 0u);
    EXPECT_EQ(SizeConvert::sizeString(1.5, SizeConvert::UNIT_GB, SizeConvert::CONVERT_BINARY), "1.5 GB");
    EXPECT_EQ(SizeConvert::sizeString(Common::string("300"), SizeConvert::UNIT_MB, SizeConvert::CONVERT_BINARY),
              "300 MB");
}

TEST(SizeConvertTest, OutOfRangeValuesClampInsteadOfWrapping)
{
    const auto toBlocks = [](double value) {
        return SizeConvert::convertToBlocks(value, SizeConvert::UNIT_MB, SizeConvert::CONVERT_BINARY);
    };
    EXPECT_EQ(toBlocks(-5.0), 0u);
    EXPECT_EQ(toBlocks(std::nan("")), 0u);
    EXPECT_EQ(toBlocks(1e30), kMaxBlocks);
    EXPECT_EQ(toBlocks(std::numeric_limits<double>::infinity()), kMaxBlocks);
    EXPECT_EQ(SizeConvert::convertToBlocks(1e30, SizeConvert::UNIT_MB, SizeConvert::CONVERT_USER_ENTRY), kMaxBlocks);
    EXPECT_EQ(SizeConvert::convertToBlocks(Common::string("-1"), SizeConvert::UNIT_GB, SizeConvert::CONVERT_BINARY),
              0u);
}

TEST(SizeConvertTest, TextParsingSkipsBlanksAndReadsGarbageAsZero)
{
    EXPECT_EQ(SizeConvert::strToBlock(Common::string("  4096")), 4096u);
    EXPECT_EQ(SizeConvert::strToBlock(Common::string("12abc")), 12u);
    EXPECT_EQ(SizeConvert::strToBlock(Common::string("abc")), 0u);
    EXPECT_EQ(SizeConvert::strToBlock(Common::string("")), 0u);
    EXPECT_EQ(SizeConvert::strToBlock(Common::string("99999999999999999999999")), kMaxBlocks);
    EXPECT_DOUBLE_EQ(SizeConvert::strToFloat(Common::string("\t2.5")), 2.5);
    EXPECT_DOUBLE_EQ(SizeConvert::strToFloat(Common::string("x")), 0.0);
}

TEST(SizeConvertTest, BlocksConvertToEachUnit)
{
    SizeConvert::EnUnitType unit = SizeConvert::UNIT_KB;
    EXPECT_DOUBLE_EQ(SizeConvert::convertFromBlocks(5, unit, SizeConvert::CONVERT_BINARY), 2.0);
    unit = SizeConvert::UNIT_MB;
    EXPECT_DOUBLE_EQ(SizeConvert::convertFromBlocks(3072, unit, SizeConvert::CONVERT_BINARY), 1.5);
    unit = SizeConvert::UNIT_AUTO;
    EXPECT_DOUBLE_EQ(SizeConvert::convertFromBlocks(Common::string("3145728"), unit, SizeConvert::CONVERT_BINARY), 1.5);
    EXPECT_EQ(unit, SizeConvert::UNIT_GB);

    SizeConvert::EnUnitType toUnit = SizeConvert::UNIT_MB;
    double result = 0.0;
    SizeConvert::Convert(2.0, SizeConvert::UNIT_GB, toUnit, result, SizeConvert::CONVERT_BINARY);
    EXPECT_DOUBLE_EQ(result, 2048.0);
}

TEST(ConversionTest, PercentagesRoundToMultiplesOfFive)
{
    const unsigned cases[][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 5}, {47, 45}, {48, 50}, {50, 50}, {99, 100}};
    for (const auto& c : cases)
        EXPECT_EQ(Conversion::clampPercentage(c[0]), c[1]) << c[0];
}

TEST(ConversionTest, LeastCommonMultipleIsFastAndSafeAtTheEdges)
{
    EXPECT_EQ(Conversion::leastCommonMultiple(4, 6), 12u);
    EXPECT_EQ(Conversion::leastCommonMultiple(7, 7), 7u);
    EXPECT_EQ(Conversion::leastCommonMultiple(0, 5), 0u);
    EXPECT_EQ(Conversion::leastCommonMultiple(1000000007, 998244353), 998244359987710471u);
    EXPECT_EQ(Conversion::leastCommonMultiple(kMaxBlocks, kMaxBlocks - 1), kMaxBlocks);
}

TEST(ConversionTest, IpAddressesParseOnlyWhenWhollyValid)
{
    std::array<std::uint8_t, 4> bytes{9, 9, 9, 9};
    EXPECT_TRUE(Conversion::ipToNumber(bytes, Common::string("192.168.0.255")));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{192, 168, 0, 255}));
    for (const char* bad : {"1.2.3", "1.2.3.256", "1.2.3.-4", "1..2.3", "1.2.3.4.5", "1.2.3.4x", "", "a.b.c.d"})
        EXPECT_FALSE(Conversion::ipToNumber(bytes, Common::string(bad))) << bad;
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{192, 168, 0, 255}));

    EXPECT_EQ(Conversion::toIpV4String(bytes), "192.168.0.255");
    EXPECT_EQ(Conversion::toIpV4String(std::uint32_t{0x0100A8C0}), "192.168.0.1");
}

TEST(ConversionTest, ByteTextsDecode)
{
    EXPECT_EQ(Conversion::hexStringToInt(Common::string("fF99")), 255u);
    EXPECT_EQ(Conversion::hexStringToInt(Common::string("A")), 10u);
    EXPECT_EQ(Conversion::hexStringToInt(Common::string("zz")), 0u);
    EXPECT_EQ(Conversion::stringToArray(Common::string("0aFf7")), (std::vector<std::uint8_t>{0x0A, 0xFF}));

    const std::uint8_t date[] = {0x07, 0xD6, 3, 9};
    EXPECT_EQ(Conversion::dateToString(date), "3/9/2006");
    EXPECT_EQ(Conversion::dateToString(std::span<const std::uint8_t>(date, 3)), "");
    EXPECT_EQ(Conversion::timeToString(date), "0:0:0");

    const std::uint8_t mac[] = {0x00, 0x1b, 0xA0, 0xff, 0x01, 0x10};
    EXPECT_EQ(Conversion::MacToString(mac), "00:1B:A0:FF:01:10");
    EXPECT_EQ(Conversion::MacToString(std::span<const std::uint8_t>(mac, 5)), "");
}

TEST(ConversionTest, TableIndexAndNumberText)
{
    const char* const table[] = {"low", "medium", "high"};
    EXPECT_EQ(Conversion::stringToIndex(std::begin(table), std::end(table), Common::string("high")), 2u);
    EXPECT_EQ(Conversion::stringToIndex(std::begin(table), std::end(table), Common::string("HIGH")), 3u);
    EXPECT_EQ(Conversion::toString(75.0), "75");
    EXPECT_EQ(Conversion::toString(100.0 / 3.0), "33.3333");
}

} // namespace
