#include "operations/guitranslator.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using Common::GUITranslator;
using Common::string;

constexpr const char* kArray = "ATTR_VALUE_TYPE_ARRAY";
constexpr const char* kLogicalDrive = "ATTR_VALUE_TYPE_LOGICAL_DRIVE";
constexpr const char* kPhysicalDrive = "ATTR_VALUE_TYPE_PHYSICAL_DRIVE";
constexpr const char* kController = "ATTR_VALUE_TYPE_ARRAY_CONTROLLER";

// Rows added by a test are dropped again.
class GUITranslatorTest : public ::testing::Test {
protected:
    void SetUp() override { GUITranslator::Clear(); }
    void TearDown() override { GUITranslator::Clear(); }

    struct DisplayCase {
        const char* attribute;
        const char* value;
        const char* deviceType;
        const char* shown;
    };

    static string display(const char* attribute, const char* value, const char* type = kController)
    {
        return GUITranslator::getDisplayValue(attribute, value, type);
    }

    static void expectDisplays(std::initializer_list<DisplayCase> cases)
    {
        for (const DisplayCase& c : cases)
            EXPECT_EQ(display(c.attribute, c.value, c.deviceType), c.shown) << c.attribute << " " << c.value;
    }
};

TEST_F(GUITranslatorTest, LookupGivesTextEmptyTextOrTheKeyItself)
{
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_VALUE_STATUS_OK"), "OK");
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_NAME_CABINET"), "");
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_VALUE_STATUS_NO_SUCH_ROW"), "ATTR_VALUE_STATUS_NO_SUCH_ROW");
    EXPECT_EQ(GUITranslator::LoadStr("attr_value_status_ok"), "attr_value_status_ok");
    EXPECT_EQ(GUITranslator::getDisplayName("ATTR_NAME_TOTAL_BLOCKS", kPhysicalDrive), "Size");
}

TEST_F(GUITranslatorTest, AddedRowsDoNotHideTheCatalogAndClearRestoresIt)
{
    GUITranslator::AddString("ATTR_VALUE_STATUS_OK", "Fine");
    GUITranslator::AddString("MY_KEY", "mine");
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_VALUE_STATUS_OK"), "Fine");
    EXPECT_EQ(GUITranslator::LoadStr("MY_KEY"), "mine");
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_VALUE_STATUS_FAILED"), "Failed");
    GUITranslator::Clear();
    EXPECT_EQ(GUITranslator::LoadStr("ATTR_VALUE_STATUS_OK"), "OK");
    EXPECT_EQ(GUITranslator::LoadStr("MY_KEY"), "MY_KEY");
}

TEST_F(GUITranslatorTest, ArrayNumbersBecomeLettersBeyondZ)
{
    const char* cases[][2] = {{"0", "A"},   {"25", "Z"},   {"26", "AA"},  {"51", "AZ"},
                              {"52", "BA"}, {"701", "ZZ"}, {"702", "AAA"}};
    for (const auto& c : cases)
        EXPECT_EQ(display("ATTR_NAME_ARRAY_NUMBER", c[0], kArray), c[1]) << c[0];
}

TEST_F(GUITranslatorTest, IndexesShowOneBasedButOtherNumbersAreNeverIncremented)
{
    for (const char* name : {"ATTR_NAME_DEVICE_NUMBER", "ATTR_NAME_DRIVE_NUMBER", "ATTR_NAME_IO_SLOT", "ATTR_NAME_BUS",
                             "ATTR_NAME_SCSI_BUS", "ATTR_NAME_HBA_PORT"})
        EXPECT_EQ(display(name, "0"), "1") << name;
    EXPECT_EQ(display("ATTR_NAME_IO_SLOT", "18446744073709551615"), "18446744073709551616");
    EXPECT_EQ(display("ATTR_NAME_SLOT", "0"), "0");
    EXPECT_EQ(display("ATTR_NAME_SCSI_ID", "7"), "7");
    EXPECT_EQ(display("ATTR_NAME_SLOT", "ATTR_VALUE_SLOT_EMBEDDED"), "Slot Embedded");
}

TEST_F(GUITranslatorTest, RuleOrderKeepsUserTextAndCountsUntranslated)
{
    GUITranslator::AddString("7", "seven");
    EXPECT_EQ(display("ATTR_NAME_BOX_NAME", "ATTR_VALUE_STATUS_OK"), "ATTR_VALUE_STATUS_OK");
    EXPECT_EQ(display("ATTR_NAME_SECTORS", "7"), "7");
    EXPECT_EQ(display("ATTR_NAME_HEADS", "7"), "seven");
    EXPECT_EQ(display("ATTR_NAME_STATUS", "ATTR_VALUE_STATUS_OK"), "OK");
    // A status the catalog has no row for prints as stored, and an empty text as nothing.
    EXPECT_EQ(display("ATTR_NAME_STATUS", "ATTR_VALUE_STATUS_LOGICAL_DRIVES_NOT_CONTIGUOUS", kArray),
              "ATTR_VALUE_STATUS_LOGICAL_DRIVES_NOT_CONTIGUOUS");
    EXPECT_EQ(display("ATTR_NAME_STATUS", "ATTR_VALUE_STATUS_COMMUNICATION_ERROR"), "");
    EXPECT_EQ(display("ATTR_NAME_CONTROLLER_NAME", "ATTR_VALUE_CONTROLLER_NAME_NOT_A_MODEL"),
              "ATTR_VALUE_CONTROLLER_NAME_NOT_A_MODEL");
}

TEST_F(GUITranslatorTest, SizesFollowTheirAttributeAndDeviceType)
{
    expectDisplays({
        {"ATTR_NAME_USEABLE_BLOCKS", "2097152", kLogicalDrive, "1024 MB"},
        {"ATTR_NAME_STRIPE_SIZE", "128", kLogicalDrive, "64 KB"},
        {"ATTR_NAME_CACHE_SIZE_TOTAL", "131072", kController, "64 MB"},
        {"ATTR_NAME_TOTAL_BLOCKS", "143374738", kPhysicalDrive, "72 GB"},
        {"ATTR_NAME_TOTAL_BLOCKS", "143374739", kPhysicalDrive, "73.4 GB"},
        {"ATTR_NAME_TOTAL_BLOCKS", "143374738", kLogicalDrive, "143374738"},
        // Free space below 15 MB shows as none.
        {"ATTR_NAME_FREE_BLOCKS", "30000", kArray, "0 MB"},
        {"ATTR_NAME_FREE_BLOCKS", "30720", kArray, "15 MB"},
        {"ATTR_NAME_FREE_BLOCKS", "30000", kController, "0 MB"},
        // Whole megabytes on an array, a fraction above 0.49 rounding up.
        {"ATTR_NAME_FREE_BLOCKS", "205824", kArray, "101 MB"},
        {"ATTR_NAME_FREE_BLOCKS", "205803", kArray, "100 MB"},
        {"ATTR_NAME_FREE_BLOCKS", "3145728", kArray, "1536 MB"},
        {"ATTR_NAME_FREE_BLOCKS", "3145728", kController, "1.5 GB"},
    });
}

TEST_F(GUITranslatorTest, PercentagesShowOneDecimal)
{
    expectDisplays({
        {"ATTR_NAME_EXPAND_PERCENT_COMPLETE", "45", kLogicalDrive, "45.0%"},
        {"ATTR_NAME_REBUILD_PERCENT_COMPLETE", "33.3333", kLogicalDrive, "33.3%"},
        {"ATTR_NAME_REBUILD_PERCENT_COMPLETE", "99.96", kLogicalDrive, "100.0%"},
    });
    EXPECT_EQ(Common::toPercent(12.346, 2), "12.35%");
    EXPECT_EQ(Common::toPercent(7, -3), "7%");
}

TEST_F(GUITranslatorTest, MissingOrUnreadableNumbersAreNotInvented)
{
    for (const char* name : {"ATTR_NAME_IO_SLOT", "ATTR_NAME_ARRAY_NUMBER", "ATTR_NAME_FREE_BLOCKS",
                             "ATTR_NAME_USEABLE_BLOCKS", "ATTR_NAME_REBUILD_PERCENT_COMPLETE", "ATTR_NAME_STATUS"}) {
        EXPECT_EQ(display(name, "", kArray), "") << name;
        EXPECT_EQ(display(name, "n/a", kArray), "n/a") << name;
    }
    EXPECT_EQ(display("ATTR_NAME_IO_SLOT", "-1"), "-1");
    EXPECT_EQ(display("ATTR_NAME_TOTAL_BLOCKS", "12 blocks", kPhysicalDrive), "12 blocks");
}

TEST_F(GUITranslatorTest, PlaceholdersTakeTheirParameterAndNothingElse)
{
    GUITranslator::AddString("T", "Valid Range: <0min> - <1max> seconds");
    EXPECT_EQ(GUITranslator::LoadParmStr("T", "1", "30"), "Valid Range: 1 - 30 seconds");
    GUITranslator::AddString("T", "a < b, <x>, <9> and <2 open");
    EXPECT_EQ(GUITranslator::LoadParmStr("T", "", "", "", "", "", "", "", "", "", "nine"),
              "a < b, <x>, nine and <2 open");
    // Adjacent placeholders after an empty parameter, and parameters that look like placeholders.
    GUITranslator::AddString("T", "<0><1>|<2>");
    EXPECT_EQ(GUITranslator::LoadParmStr("T", "", "one", "x<2y>"), "one|x<2y>");
    EXPECT_NE(GUITranslator::LoadParmStr("ATTR_VALUE_STATUS_DRIVE_IMPROPERLY_CONNECTED", "B")
                  .find("drives in array B on the array"),
              string::npos);
    EXPECT_EQ(GUITranslator::LoadParmStr("NO_SUCH_TEMPLATE <0>", "p"), "NO_SUCH_TEMPLATE p");
}

TEST_F(GUITranslatorTest, MarkupConversions)
{
    EXPECT_EQ(GUITranslator::htmlFormat("a\nb\n"), "a<BR/>b<BR/>");
    EXPECT_EQ(GUITranslator::textFormat("a<BR>b<BR/>c&nbsp;d"), "a\nb\nc d");
    EXPECT_EQ(GUITranslator::fileIncludeFormat("say \"hi\"\nC:\\"), "say \\\"hi\\\"\\nC:\\\\");
}

TEST_F(GUITranslatorTest, ControllerNamesForTheFrontEnd)
{
    GUITranslator::AddString("M", "Model M");
    EXPECT_EQ(GUITranslator::ctrlName("M", "3", ""), "Model M in Slot 3");
    EXPECT_EQ(GUITranslator::ctrlName("M", "ATTR_VALUE_SLOT_EMBEDDED", "Rack 2"), "Model M at Rack 2");
    EXPECT_EQ(GUITranslator::ctrlName("M", "", ""), "Model M");
    EXPECT_EQ(GUITranslator::ctrlName("", "3", "Rack 2"), "Unknown Controller");
}

} // namespace
