// Size arithmetic and the small text conversions of the Conversion namespace.
//
// Controllers count capacity in 512-byte blocks; people read and type KB, MB,
// GB and TB. SizeConvert converts between the two in binary units
// (1 KB = 2 blocks, 1 MB = 2048, 1 GB = 2^21, 1 TB = 2^31) and formats block
// counts for listings. Drive sizes can instead be shown as the capacity on
// the drive's label ("marketing" size, decimal units), taken from a table of
// known drives or computed.
//
// What a caller may rely on: block counts are unsigned 64-bit; nothing here
// throws, and no input - negative, huge, NaN or unparsable - gives undefined
// behaviour: values below zero become 0 blocks, values beyond the range
// become the largest count, unparsable text reads as 0.
#ifndef OPERATIONS_CONVERSION_H
#define OPERATIONS_CONVERSION_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "common/ctlstring.h"

namespace Conversion {

class SizeConvert {
public:
    enum EnUnitType { UNIT_BLOCKS = 0, UNIT_TB = 1, UNIT_GB = 2, UNIT_MB = 3, UNIT_KB = 4, UNIT_AUTO = 5 };
    enum EnConvertType { CONVERT_BINARY = 0, CONVERT_MARKETING = 1, CONVERT_USER_ENTRY = 2 };

    // A formatted size: "number unit", the number as printed, and the unit.
    struct SizeEntry {
        Common::string text;
        double number = 0.0;
        EnUnitType unit = UNIT_MB;
    };

    static constexpr std::uint64_t BLOCKS_PER_KB = 2;
    static constexpr std::uint64_t BLOCKS_PER_MB = 2048;
    static constexpr std::uint64_t BLOCKS_PER_GB = 2097152;
    static constexpr std::uint64_t BLOCKS_PER_TB = 2147483648;

    // The size text of a block count: the marketing size with
    // CONVERT_MARKETING, the binary size otherwise.
    static Common::string sizeString(std::uint64_t blocks, EnConvertType convertType);
    static Common::string sizeString(const Common::string& blocks, EnConvertType convertType);
    // The size text of a value in a unit.
    static Common::string sizeString(double value, EnUnitType unit, EnConvertType convertType);
    static Common::string sizeString(const Common::string& value, EnUnitType unit, EnConvertType convertType);

    // Blocks of a value in a unit. A user entry in MB rounds up to whole MB
    // (2047 blocks added); UNIT_AUTO and unknown units give 0.
    static std::uint64_t convertToBlocks(double value, EnUnitType unit, EnConvertType convertType);
    static std::uint64_t convertToBlocks(const Common::string& value, EnUnitType unit, EnConvertType convertType);
    // The number of a block count in a unit. With CONVERT_MARKETING, and with
    // UNIT_AUTO, the unit is chosen here and written back.
    static double convertFromBlocks(std::uint64_t blocks, EnUnitType& unit, EnConvertType convertType);
    static double convertFromBlocks(const Common::string& blocks, EnUnitType& unit, EnConvertType convertType);
    // A value from one unit to another (through blocks).
    static void Convert(double value, EnUnitType fromUnit, EnUnitType& toUnit, double& result,
                        EnConvertType convertType);
    static void Convert(const Common::string& value, EnUnitType fromUnit, EnUnitType& toUnit, double& result,
                        EnConvertType convertType);

    static double blocksToTB(std::uint64_t blocks) { return double(blocks) / double(BLOCKS_PER_TB); }
    static double blocksToGB(std::uint64_t blocks) { return double(blocks) / double(BLOCKS_PER_GB); }
    static double blocksToMB(std::uint64_t blocks) { return double(blocks) / double(BLOCKS_PER_MB); }
    static std::uint64_t blocksToKB(std::uint64_t blocks) { return blocks >> 1; }
    static std::uint64_t TBToBlocks(double tb) { return toBlocks(tb * double(BLOCKS_PER_TB)); }
    static std::uint64_t GBToBlocks(double gb) { return toBlocks(gb * double(BLOCKS_PER_GB)); }
    static std::uint64_t MBToBlocks(double mb) { return toBlocks(mb * double(BLOCKS_PER_MB)); }
    static std::uint64_t KBToBlocks(double kb) { return toBlocks(kb * double(BLOCKS_PER_KB)); }
    // MBToBlocks rounded up to the next whole MB.
    static std::uint64_t uiMBToBlocks(double mb) { return addBlocks(MBToBlocks(mb), BLOCKS_PER_MB - 1); }

    // Decimal parses after leading blanks; unparsable text gives 0, a block
    // count beyond 64 bits the largest count.
    static std::uint64_t strToBlock(const Common::string& text);
    static double strToFloat(const Common::string& text);

    // Binary size, strict thresholds: above 1 TB "%-3.1f TB", above 1 GB
    // "%-3.1f GB", above 1 MB whole "MB", above 2 blocks whole "KB", else "0 MB".
    static void CalculateSize(std::uint64_t blocks, SizeEntry& entry);
    // The label size of a known drive, otherwise CalculateMarketingSize.
    static void GetMarketingSize(std::uint64_t blocks, SizeEntry& entry);
    // Decimal size: whole MB below 1000 MB, else GB with the tenth truncated.
    static void CalculateMarketingSize(std::uint64_t blocks, SizeEntry& entry);

    // Truncates toward zero into a block count, clamped to the 64-bit range
    // (below zero and NaN give 0).
    static std::uint64_t toBlocks(double value);

private:
    struct MarketingSize {
        std::uint64_t blocks;
        const char* text;
        EnUnitType unit;
    };
    static const MarketingSize* findMarketingSize(std::uint64_t blocks);
    // Blocks in one of the unit; 0 for UNIT_AUTO and unknown units.
    static std::uint64_t blocksPerUnit(EnUnitType unit);
    static std::uint64_t addBlocks(std::uint64_t a, std::uint64_t b);
    static void setEntry(SizeEntry& entry, const char* number, const char* unitWord, EnUnitType unit);
};

// The first two characters as a hexadecimal byte (either case); parsing
// stops at the first character that is not a hexadecimal digit.
unsigned hexStringToInt(const Common::string& text);
// Every pair of hexadecimal characters as one byte; an odd last character is ignored.
std::vector<std::uint8_t> stringToArray(const Common::string& text);
// "month/day/year" of a controller date: year in bytes 0-1 (most significant
// first), month in byte 2, day in byte 3. Empty for fewer than four bytes.
Common::string dateToString(std::span<const std::uint8_t> bytes);
// Controllers report no usable time of day: always "0:0:0".
Common::string timeToString(std::span<const std::uint8_t> bytes);
// Rounds to a multiple of 5: remainders 1 and 2 round down, 3 and 4 up.
unsigned clampPercentage(unsigned percent);
// Least common multiple; 0 when either is 0, the largest value when it does
// not fit in 64 bits.
std::uint64_t leastCommonMultiple(std::uint64_t a, std::uint64_t b);
// Parses exactly "a.b.c.d" with four decimal numbers from 0 to 255; on
// failure returns false and leaves `bytes` unchanged.
bool ipToNumber(std::array<std::uint8_t, 4>& bytes, const Common::string& text);
Common::string toIpV4String(const std::array<std::uint8_t, 4>& bytes);
// The 32-bit form: the value's bytes lowest first.
Common::string toIpV4String(std::uint32_t address);
// Index of the first entry equal to `text`, or the table's length.
std::size_t stringToIndex(const char* const* begin, const char* const* end, const Common::string& text);
// Six bytes as "%02X" joined by ":"; empty for fewer than six bytes.
Common::string MacToString(std::span<const std::uint8_t> bytes);
// A real number as text, shortest form with up to six significant digits (75, 33.3333).
Common::string toString(double value);

} // namespace Conversion

#endif
