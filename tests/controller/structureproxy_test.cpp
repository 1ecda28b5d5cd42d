// Reading and writing controller buffers field by field through the structure registry.
#include "controller/structureproxy.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "controller/bmiclayouts.h"

namespace {

// "0x01 0x02 ..." with each element zero-padded to `digits` hexadecimal digits.
std::string series(std::size_t count, std::size_t digits)
{
    std::string text;
    for (std::size_t i = 1; i <= count; ++i) {
        const std::string number = std::to_string(i % 10);
        text += (i > 1 ? " 0x" : "0x") + std::string(digits - 1, '0') + number;
    }
    return text;
}

struct RoundTrip {
    const char* structure;
    const char* member;
    std::string text;
};

// One member of every type the layouts use, written with every element given.
TEST(StructureProxy, ReadsBackWhatItWroteForEveryFieldType)
{
    const RoundTrip cases[] = {
        {"IDENTIFY_CONTROLLER", "bConfiguredLogicalDrives", "0x2A"},
        {"IDENTIFY_CONTROLLER", "wTaskFlags", "0xBEEF"},
        {"IDENTIFY_CONTROLLER", "dwBoardID", "0x40910E11"},
        {"LOGICAL_DRIVE_CONFIG", "qwBigBlocksInLogicalDrive", "0x0123456789ABCDEF"},
        {"INJECT_FAULT", "pbDriveBitmap", series(16, 2)},
        {"ALARM_STRUCTURE", "wSpecificAlarmCounts", series(8, 4)},
        {"SURFACE_STATUS", "pdwInconsistentBlock", series(8, 8)},
        {"VOLUME_PROFILE_DATA", "qwReadRequest", series(24, 16)},
        {"IDENTIFY_CONTROLLER", "cMarketingRevision", "B"},
        {"CONTROLLER_PARAMETERS", "sAccessID", "ACCESS-012345678"}, // all 16 characters
        {"IDENTIFY_LOGICAL_DRIVE", "reserved2", "7F"},
        {"IDENTIFY_CONTROLLER", "reserved2", "01 02 03"},
        {"LOGICAL_DRIVE_CONFIG", "logicalDriveParamTable", "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"},
    };
    for (const RoundTrip& round : cases) {
        std::vector<std::uint8_t> buffer(2048, 0);
        StructureProxy proxy(round.structure, std::span<std::uint8_t>(buffer));
        EXPECT_TRUE(proxy.Write(round.member, round.text)) << round.member;
        EXPECT_EQ(proxy.read(round.member), round.text) << round.member;
    }
}

TEST(StructureProxy, WritesLittleEndianAtTheFieldsOffset)
{
    IDENTIFY_CONTROLLER identify{};
    StructureProxy proxy("IDENTIFY_CONTROLLER", identify);
    ASSERT_TRUE(proxy.Write("dwBoardID", "305419896")); // decimal 0x12345678
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&identify);
    EXPECT_EQ(bytes[26], 0x78);
    EXPECT_EQ(bytes[29], 0x12);
    const std::uint32_t board = identify.dwBoardID;
    EXPECT_EQ(board, 0x12345678u);
    EXPECT_EQ(proxy.read("dwBoardID"), "0x12345678");
}

TEST(StructureProxy, RefusesValuesThatDoNotParseOrFitAndKeepsTheBytes)
{
    CONTROLLER_PARAMETERS parameters{};
    parameters.bLEDFlag = 7;
    parameters.wParityStripes = 9;
    std::memcpy(parameters.sAccessID, "KEEP", 4);
    StructureProxy proxy("CONTROLLER_PARAMETERS", parameters);
    for (const char* text : {"0x100", "256", "-1", "+1", "12abc", "0x", "", "1 2"}) {
        EXPECT_FALSE(proxy.Write("bLEDFlag", text)) << text;
    }
    EXPECT_FALSE(proxy.Write("wParityStripes", "65536"));
    EXPECT_FALSE(proxy.Write("sAccessID", std::string(17, 'a')));
    EXPECT_FALSE(proxy.Write("sAccessID", std::string("A\0B", 3)));
    EXPECT_FALSE(proxy.Write("reserved2", "01 02 03")); // two bytes only
    EXPECT_FALSE(proxy.Write("reserved2", "1FF"));
    const std::uint16_t stripes = parameters.wParityStripes;
    EXPECT_EQ(parameters.bLEDFlag, 7);
    EXPECT_EQ(stripes, 9);
    EXPECT_EQ(proxy.read("sAccessID"), "KEEP");
}

TEST(StructureProxy, PartialArrayWriteClearsTheRest)
{
    SURFACE_DELAY delay{};
    std::memset(&delay, 0xFF, sizeof delay);
    StructureProxy proxy("SURFACE_DELAY", delay);
    ASSERT_TRUE(proxy.Write("reserved", "AB"));
    EXPECT_EQ(delay.reserved[0], 0xAB);
    EXPECT_EQ(delay.reserved[1], 0);
    EXPECT_EQ(delay.reserved[509], 0);
    const std::uint16_t kept = delay.wDelay;
    EXPECT_EQ(kept, 0xFFFF);
}

TEST(StructureProxy, TextStopsAtNulAndMasksUnprintableBytes)
{
    PHYSICAL_DRIVE_STATUS drive{};
    std::memcpy(drive.sDriveModel,
                "ORVX\x01\x7F"
                "DRIVE\0JUNK",
                16);
    const StructureProxy proxy("PHYSICAL_DRIVE_STATUS", std::as_const(drive));
    EXPECT_EQ(proxy.read("sDriveModel"), "ORVX..DRIVE");
    std::memset(drive.sDriveSerialNumber, 'S', sizeof drive.sDriveSerialNumber);
    EXPECT_EQ(proxy.read("sDriveSerialNumber"), std::string(40, 'S')); // unterminated

    StructureProxy writer("PHYSICAL_DRIVE_STATUS", drive);
    ASSERT_TRUE(writer.Write("sDriveModel", "")); // an empty text clears the field
    EXPECT_EQ(proxy.read("sDriveModel"), "");
    EXPECT_EQ(drive.sDriveModel[10], '\0');
}

TEST(StructureProxy, NeverReachesPastAShortBuffer)
{
    std::vector<std::uint8_t> buffer(30, 0); // IDENTIFY_CONTROLLER cut after dwBoardID
    StructureProxy proxy("IDENTIFY_CONTROLLER", std::span<std::uint8_t>(buffer));
    EXPECT_EQ(proxy.getStructureSize(), 512u);
    EXPECT_TRUE(proxy.Write("dwBoardID", "1"));
    EXPECT_FALSE(proxy.Write("bSwappedCables", "1"));
    EXPECT_EQ(proxy.read("bSwappedCables"), "");
    EXPECT_EQ(proxy.read("reserved1"), "");
}

TEST(StructureProxy, SurvivesMembersRegisteredOutsideTheStructure)
{
    StructureRegistry registry;
    registry.AddStructure("BROKEN");
    registry.AddStructureMember("BROKEN", "beyond", 500, 100, "SA_BYTE []");
    registry.AddStructureMember("BROKEN", "wraps", SIZE_MAX, 2, "SA_WORD");
    registry.AddStructureMember("BROKEN", "odd", 0, 3, "SA_DWORD");
    registry.SetStructureSize("BROKEN", 512);
    std::vector<std::uint8_t> buffer(512, 0x11);
    StructureProxy proxy("BROKEN", std::span<std::uint8_t>(buffer), registry);
    EXPECT_EQ(proxy.read("beyond"), "");
    EXPECT_FALSE(proxy.Write("wraps", "1"));
    EXPECT_EQ(proxy.read("odd"), "11 11 11"); // a size no DWORD fits shows as bytes
}

TEST(StructureProxy, ReadOnlyBufferRefusesWrites)
{
    const IDENTIFY_CONTROLLER identify{};
    StructureProxy proxy("IDENTIFY_CONTROLLER", identify);
    EXPECT_EQ(proxy.read("bHardwareRevision"), "0x00");
    EXPECT_FALSE(proxy.Write("bHardwareRevision", "1"));
}

TEST(StructureProxy, UnknownNamesGiveEmptyResults)
{
    std::vector<std::uint8_t> buffer(512, 0);
    StructureProxy unknown("NO_SUCH_RECORD", std::span<std::uint8_t>(buffer));
    EXPECT_EQ(unknown.getStructureSize(), 0u);
    EXPECT_TRUE(unknown.memberNameList().empty());
    EXPECT_FALSE(unknown.MemberInfo("EMPTY").has_value());
    EXPECT_EQ(unknown.read("EMPTY"), "");
    EXPECT_FALSE(unknown.Write("EMPTY", "00"));

    StructureProxy known("NO_PAYLOAD", std::span<std::uint8_t>(buffer));
    EXPECT_FALSE(known.MemberInfo("nothing").has_value());
    EXPECT_EQ(known.read("nothing"), "");
}

TEST(StructureProxy, DescribesMembersAndTellsEmbeddedStructures)
{
    std::vector<std::uint8_t> buffer(1024, 0);
    StructureProxy config("LOGICAL_DRIVE_CONFIG", std::span<std::uint8_t>(buffer));
    const auto table = config.MemberInfo("logicalDriveParamTable");
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->type, "DRIVE_PARAM_TABLE");
    EXPECT_EQ(table->offset, 30u);
    EXPECT_EQ(table->size, 16u);
    EXPECT_TRUE(table->isStructure);
    EXPECT_FALSE(config.MemberInfo("wBlockSize")->isStructure);
    EXPECT_EQ(config.memberNameList().front(), "dwSignature");

    StructureProxy cache("CACHE_CONFIG_STATUS", std::span<std::uint8_t>(buffer));
    EXPECT_TRUE(cache.MemberInfo("errorLog")->isStructure);
    StructureProxy inquiry("PASS_THROUGH_SPECIAL_INQUIRY", std::span<std::uint8_t>(buffer));
    EXPECT_TRUE(inquiry.MemberInfo("standardInquiryResponse")->isStructure);
    StructureProxy standard("SCSI_STANDARD_INQUIRY_DATA", std::span<std::uint8_t>(buffer));
    EXPECT_FALSE(standard.MemberInfo("deviceInfo")->isStructure); // a block with no entry
}

// Whatever a member holds, its text writes back to the same text and touches no other byte.
TEST(StructureProxy, EveryRegisteredMemberRoundTripsWithinItsOwnBytes)
{
    std::mt19937 random(20261206);
    const StructureRegistry& registry = StructureRegistry::instance();
    for (const std::string& name : registry.structureNames()) {
        const std::size_t size = registry.find(name)->size;
        std::vector<std::uint8_t> source(size);
        for (std::uint8_t& byte : source) {
            byte = static_cast<std::uint8_t>(random());
        }
        const StructureProxy reader(name, std::span<const std::uint8_t>(source));
        for (const StructureMember& member : registry.find(name)->members) {
            std::vector<std::uint8_t> target(size, 0xEE);
            StructureProxy writer(name, std::span<std::uint8_t>(target));
            const std::string text = reader.read(member.name);
            ASSERT_TRUE(writer.Write(member.name, text)) << name << "::" << member.name;
            EXPECT_EQ(writer.read(member.name), text) << name << "::" << member.name;
            for (std::size_t at = 0; at < size; ++at) {
                if (at < member.offset || at >= member.offset + member.size) {
                    ASSERT_EQ(target[at], 0xEE) << name << "::" << member.name << " byte " << at;
                }
            }
        }
    }
}

} // namespace
