// The registry's bounds and its rules for names, duplicates and unknown structures.
#include "controller/structureregistry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StructureRegistry, RefusesStructuresBeyondCapacity)
{
    StructureRegistry registry;
    for (std::size_t i = 0; i < StructureRegistry::kMaxStructures; ++i) {
        ASSERT_TRUE(registry.AddStructure("S" + std::to_string(i)));
    }
    EXPECT_FALSE(registry.AddStructure("ONE_TOO_MANY"));
    EXPECT_EQ(registry.structureCount(), StructureRegistry::kMaxStructures);
    EXPECT_EQ(registry.find("ONE_TOO_MANY"), nullptr);
}

TEST(StructureRegistry, RefusesMembersBeyondCapacityAcrossStructures)
{
    StructureRegistry registry;
    registry.AddStructure("A");
    registry.AddStructure("B");
    for (std::size_t i = 0; i < StructureRegistry::kMaxMembers; ++i) {
        ASSERT_TRUE(registry.AddStructureMember(i % 2 ? "A" : "B", "m" + std::to_string(i), i, 1, "SA_BYTE"));
    }
    EXPECT_FALSE(registry.AddStructureMember("A", "extra", 0, 1, "SA_BYTE"));
    EXPECT_EQ(registry.memberCount(), StructureRegistry::kMaxMembers);
    EXPECT_EQ(registry.find("A")->findMember("extra"), nullptr);
}

TEST(StructureRegistry, IgnoresMembersOfUnknownStructuresAndDuplicates)
{
    StructureRegistry registry;
    EXPECT_FALSE(registry.AddStructureMember("NOWHERE", "wField", 0, 2, "SA_WORD"));
    EXPECT_FALSE(registry.SetStructureSize("NOWHERE", 2));
    EXPECT_EQ(registry.memberCount(), 0u);

    registry.AddStructure("REC");
    EXPECT_FALSE(registry.AddStructure("REC"));
    EXPECT_TRUE(registry.AddStructureMember("REC", "wField", 0, 2, "SA_WORD"));
    EXPECT_FALSE(registry.AddStructureMember("REC", "wField", 2, 4, "SA_DWORD"));
    EXPECT_EQ(registry.structureCount(), 1u);
    ASSERT_EQ(registry.find("REC")->members.size(), 1u);
    EXPECT_EQ(registry.find("REC")->findMember("wField")->size, 2u);
}

// Names count on their first 64 characters; type names are kept as long, so an embedded structure
// with a long name is still recognised by its type.
TEST(StructureRegistry, ComparesNamesOnTheirFirstSixtyFourCharacters)
{
    StructureRegistry registry;
    const std::string stem(StructureRegistry::kMaxNameLength, 'N');
    ASSERT_TRUE(registry.AddStructure(stem + "_FIRST"));
    EXPECT_FALSE(registry.AddStructure(stem + "_SECOND"));
    ASSERT_NE(registry.find(stem + "_ANY"), nullptr);
    EXPECT_EQ(registry.find(stem)->name, stem);

    const std::string longType = "SCSI_STANDARD_INQUIRY_DATA []";
    ASSERT_TRUE(registry.AddStructureMember(stem, "inquiry", 0, 256, longType));
    EXPECT_EQ(registry.find(stem)->findMember("inquiry")->type, longType);
}

TEST(StructureRegistry, KeepsRegistrationOrder)
{
    StructureRegistry registry;
    for (const char* name : {"ZETA", "ALPHA", "MID"}) {
        registry.AddStructure(name);
    }
    EXPECT_EQ(registry.structureNames(), (std::vector<std::string>{"ZETA", "ALPHA", "MID"}));
}

} // namespace
