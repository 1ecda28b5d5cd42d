// The registered controller structures: each description matches its layout.
#include "controller/bmicstructuretable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "controller/bmiclayouts.h"
#include "controller/structureregistry.h"
#include "controller/typeproxyfactory.h"

namespace {

StructureRegistry registered()
{
    StructureRegistry registry;
    RegisterBmicStructures(registry);
    return registry;
}

const StructureMember& memberOf(const StructureRegistry& registry, const std::string& structure,
                                const std::string& member)
{
    const StructureDescription* description = registry.find(structure);
    EXPECT_NE(description, nullptr) << structure;
    const StructureMember* found = description->findMember(member);
    EXPECT_NE(found, nullptr) << structure << "::" << member;
    return *found;
}

// Members follow each other without gap or overlap and end exactly at the structure's size.
TEST(BmicStructureTable, MembersTileEveryStructureExactly)
{
    const StructureRegistry registry = registered();
    for (const std::string& name : registry.structureNames()) {
        const StructureDescription& structure = *registry.find(name);
        std::size_t next = 0;
        for (const StructureMember& member : structure.members) {
            EXPECT_EQ(member.offset, next) << name << "::" << member.name;
            EXPECT_GT(member.size, 0u) << name << "::" << member.name;
            next = member.offset + member.size;
        }
        EXPECT_EQ(next, structure.size) << name;
    }
}

std::size_t elementSize(const StructureRegistry& registry, std::string_view element)
{
    static const std::map<std::string_view, std::size_t> kScalars = {{"SA_BYTE", 1},
                                                                     {"SA_WORD", 2},
                                                                     {"SA_DWORD", 4},
                                                                     {"SA_QWORD", 8},
                                                                     {"SA_RESERVED", 1},
                                                                     {"char", 1},
                                                                     {"SCSI_DEVICE_INFO", sizeof(SCSI_DEVICE_INFO)}};
    const auto scalar = kScalars.find(element);
    if (scalar != kScalars.end()) {
        return scalar->second;
    }
    const StructureDescription* embedded = registry.find(element);
    return embedded == nullptr ? 0 : embedded->size;
}

// A type names a known element; a scalar has exactly its size, an array a whole number of them.
TEST(BmicStructureTable, EveryMemberTypeAgreesWithItsSize)
{
    const StructureRegistry registry = registered();
    for (const std::string& name : registry.structureNames()) {
        for (const StructureMember& member : registry.find(name)->members) {
            const std::string_view element = TypeProxyFactory::elementType(member.type);
            const std::size_t size = elementSize(registry, element);
            ASSERT_NE(size, 0u) << name << "::" << member.name << " has type " << member.type;
            if (element == member.type) {
                EXPECT_EQ(member.size, size) << name << "::" << member.name;
            } else {
                EXPECT_EQ(member.size % size, 0u) << name << "::" << member.name;
            }
        }
    }
}

TEST(BmicStructureTable, UnalignedAndWideFieldsSitWhereTheControllerPutsThem)
{
    const StructureRegistry registry = registered();
    const std::pair<const char*, StructureMember> cases[] = {
        {"IDENTIFY_CONTROLLER", {"dwConfigurationSignature", 1, 4, "SA_DWORD"}},
        {"IDENTIFY_CONTROLLER", {"dwBoardID", 26, 4, "SA_DWORD"}},
        {"IDENTIFY_CONTROLLER", {"bUnused", 115, 1, "SA_BYTE"}},
        {"CONTROLLER_PARAMETERS", {"sAccessID", 140, 16, "char []"}},
        {"CACHE_CONFIG_STATUS", {"errorLog", 48, 160, "TRANSFER_DATA []"}},
        {"LOGICAL_DRIVE_CONFIG", {"logicalDriveParamTable", 30, 16, "DRIVE_PARAM_TABLE"}},
        {"LOGICAL_DRIVE_STATUS", {"pbBigRemapCount", 555, 256, "SA_WORD []"}},
        {"VOLUME_PROFILE_DATA_TOTAL", {"dwStartTime", 24364, 4, "SA_DWORD"}},
        {"PASS_THROUGH_SPECIAL_INQUIRY", {"talvaneInquiryResponse", 546, 256, "SCSI_TALVANE_INQUIRY_DATA"}},
    };
    for (const auto& [structure, expected] : cases) {
        const StructureMember& member = memberOf(registry, structure, expected.name);
        EXPECT_EQ(member.offset, expected.offset) << expected.name;
        EXPECT_EQ(member.size, expected.size) << expected.name;
        EXPECT_EQ(member.type, expected.type) << expected.name;
    }
}

TEST(BmicStructureTable, RegisteringTwiceChangesNothing)
{
    const StructureRegistry once = registered();
    StructureRegistry twice = registered();
    RegisterBmicStructures(twice);
    EXPECT_EQ(twice.structureNames(), once.structureNames());
    EXPECT_EQ(twice.memberCount(), once.memberCount());
    EXPECT_EQ(&StructureRegistry::instance(), &StructureRegistry::instance());
    EXPECT_EQ(StructureRegistry::instance().memberCount(), once.memberCount());
}

// The records are read straight from controller bytes: packed, little-endian.
TEST(BmicLayouts, RecordsDecodeUnalignedLittleEndianFields)
{
    std::uint8_t wire[sizeof(IDENTIFY_CONTROLLER)] = {};
    const std::uint8_t boardBytes[] = {0x78, 0x56, 0x34, 0x12};
    std::memcpy(wire + 26, boardBytes, sizeof boardBytes);
    wire[1] = 0xEF;
    wire[4] = 0xBE;
    IDENTIFY_CONTROLLER identify;
    std::memcpy(&identify, wire, sizeof identify);
    const std::uint32_t board = identify.dwBoardID; // packed fields are copied, never bound
    const std::uint32_t signature = identify.dwConfigurationSignature;
    EXPECT_EQ(board, 0x12345678u);
    EXPECT_EQ(signature, 0xBE0000EFu);

    CONNECTION_NAME_INTIATORID_ENTRIES names{};
    EXPECT_EQ(sizeof names.entry / sizeof names.entry[0], 64u);
    EXPECT_EQ(reinterpret_cast<std::uint8_t*>(&names.entry[1].bHostMode) - reinterpret_cast<std::uint8_t*>(&names),
              32 + 24);
}

} // namespace
