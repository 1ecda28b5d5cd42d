// DeviceValues reads a device's values for a listing; the printed form of
// some values depends on the type of the device that holds them.
#include "cli/ops/devicevalues.h"

#include <gtest/gtest.h>

#include "operations/guitranslator.h"
#include "tests/cli/showtree.h"

using namespace ShowTree;

namespace {

std::string printedAs(const char* type, const char* attribute, const char* value)
{
    return Common::toStdString(Common::GUITranslator::getDisplayValue(attribute, value, type));
}

} // namespace

// Free space prints one way for an array and another for anything else: an
// array's own value prints as an array's, a value taken from the storage
// system around an array prints as the system's.
TEST(DeviceValues, PrintsEachValueForTheDeviceThatHoldsIt)
{
    Tree tree;
    const DevicePtr system = tree.system("S1", {{ATTR_NAME_FREE_BLOCKS, "70000000"}});
    const DevicePtr arrayA = tree.array(system, "A1", 0);
    set(arrayA, {{ATTR_NAME_FREE_BLOCKS, "50000000"}});
    const DevicePtr arrayB = tree.array(system, "B1", 1);

    const DeviceValues own(arrayA);
    EXPECT_EQ(own.type(), ATTR_VALUE_TYPE_ARRAY);
    EXPECT_EQ(own.shown(ATTR_NAME_FREE_BLOCKS), printedAs(ATTR_VALUE_TYPE_ARRAY, ATTR_NAME_FREE_BLOCKS, "50000000"));
    EXPECT_NE(own.shown(ATTR_NAME_FREE_BLOCKS),
              printedAs(ATTR_VALUE_TYPE_STORAGE_SYSTEM, ATTR_NAME_FREE_BLOCKS, "50000000"));

    const DeviceValues borrowed(arrayB);
    EXPECT_EQ(borrowed.shown(ATTR_NAME_ARRAY_NUMBER), "B");
    EXPECT_EQ(borrowed.shown(ATTR_NAME_FREE_BLOCKS),
              printedAs(ATTR_VALUE_TYPE_STORAGE_SYSTEM, ATTR_NAME_FREE_BLOCKS, "70000000"));
    EXPECT_NE(borrowed.shown(ATTR_NAME_FREE_BLOCKS),
              printedAs(ATTR_VALUE_TYPE_ARRAY, ATTR_NAME_FREE_BLOCKS, "70000000"));
    // The model value is the array's own only.
    EXPECT_EQ(borrowed.raw(ATTR_NAME_FREE_BLOCKS), "");
    EXPECT_EQ(borrowed.raw(ATTR_NAME_ARRAY_NUMBER), "1");
}

TEST(DeviceValues, ANoDeviceHasNoValues)
{
    const DeviceValues none{DevicePtr()};
    EXPECT_EQ(none.type(), "");
    EXPECT_EQ(none.raw(ATTR_NAME_STATUS), "");
    EXPECT_EQ(none.shown(ATTR_NAME_STATUS), "");
}
