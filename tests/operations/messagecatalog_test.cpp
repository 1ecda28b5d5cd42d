#include "common/messagecatalog.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_set>

#include "controller/modeltable.h"
#include "operations/guitranslator.h"

namespace {

using Common::GUITranslator;

TEST(MessageCatalogTest, KeysAreDistinctAndNoModelKeyIsRepeated)
{
    std::unordered_set<std::string_view> keys;
    for (const Common::CatalogRow& row : Common::messageCatalog())
        EXPECT_TRUE(keys.insert(row.key).second) << "duplicate " << row.key;
    for (const ModelTable::Model& model : ModelTable::models())
        EXPECT_EQ(keys.count(model.key), 0u) << "model key repeated in the catalog: " << model.key;
}

TEST(MessageCatalogTest, EveryRowAndEveryModelNameIsWhatTheTranslatorReturns)
{
    GUITranslator::Clear();
    for (const Common::CatalogRow& row : Common::messageCatalog()) {
        const Common::string key(row.key.data(), row.key.size());
        EXPECT_EQ(GUITranslator::LoadStr(key), Common::string(row.text.data(), row.text.size())) << row.key;
    }
    for (const ModelTable::Model& model : ModelTable::models()) {
        const Common::string key(model.key.data(), model.key.size());
        EXPECT_EQ(GUITranslator::LoadStr(key), Common::string(model.name.data(), model.name.size()));
    }
}

TEST(MessageCatalogTest, TextsKeepTheirExactSpacingAndLineBreaks)
{
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_NAME_BATTERY_PACK_COUNT"), "Battery Pack Count ");
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_VALUE_RAID_1"), "RAID 1+0");
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_NAME_RAID"), "Fault Tolerance");
    EXPECT_EQ(GUITranslator::LoadStr("OPERATION_FAILURE"),
              "Operation Error\n\nThe operation did not complete successfully.\n<0errorDesc>\n\n"
              "Device: <1deviceid>\nOperation: <2operationid>\nError Code: <3errorcode>");
    const Common::string cacheNote = GUITranslator::LoadStr("ATTR_VALUE_CACHE_STATE_VALID_DATA_FOUND_IN_CACHE");
    EXPECT_NE(cacheNote.find("powered up.  This indicates"), Common::string::npos);
    EXPECT_EQ(GUITranslator::LoadStr("STR_UNKNOWN_CTRL"), "Unknown Controller");
}

} // namespace
