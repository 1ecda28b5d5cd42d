// The product table shared by the tool's discovery and the simulator.
#include "controller/modeltable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace ModelTable;

TEST(ModelTable, BoardsAndKeysAreUniqueAndBoardsPassTheLocalControllerTest)
{
    std::set<std::uint32_t> boards;
    std::set<std::string_view> keys;
    for (const Model& m : models()) {
        EXPECT_TRUE(keys.insert(m.key).second) << m.key;
        EXPECT_EQ(m.key.rfind("ATTR_VALUE_CONTROLLER_NAME_", 0), 0u) << m.key;
        EXPECT_FALSE(m.name.empty());
        if (!(m.traits & TRAIT_DISCOVERABLE))
            continue;
        EXPECT_TRUE(boards.insert(m.boardId).second) << m.key;
        EXPECT_GT(m.boardId, 0x0E11406Fu) << m.key;
    }
}

TEST(ModelTable, LookupsByBoardAndKeyAgree)
{
    for (const Model& m : models()) {
        EXPECT_EQ(findByKey(m.key), &m);
        if (m.boardId) {
            EXPECT_EQ(keyOfBoardId(m.boardId), m.key);
        }
    }
    EXPECT_TRUE(keyOfBoardId(0).empty());
    EXPECT_TRUE(keyOfBoardId(0x12345678).empty());
    EXPECT_EQ(findByKey("ATTR_VALUE_CONTROLLER_NAME_NONE"), nullptr);
    EXPECT_TRUE(hasTrait(enclosureControllerKey(), TRAIT_ENCLOSURE_CONTROLLER));
    EXPECT_FALSE(hasTrait("unknown", TRAIT_DISCOVERABLE));
}

} // namespace
