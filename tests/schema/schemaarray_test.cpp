#include "schema/schemaarray.h"

#include <gtest/gtest.h>

#include "tests/schema/testchannels.h"

#include "schema/schemaarraycontroller.h"
#include "schema/schemalogicaldrive.h"
#include "schema/schemamodroot.h"
#include "schema/storagemod.h"

namespace {

using Schema::Array;
namespace Facts = Interface::StorageMod::Array;

Array::DriveSet drives(std::initializer_list<unsigned> indexes)
{
    Array::DriveSet set;
    for (unsigned i : indexes)
        set.set(i);
    return set;
}

Core::DevicePtr makeArray(unsigned char number, const Array::DriveSet& data, const Array::DriveSet& spares = {})
{
    return Core::DevicePtr(new Array(number, Array::LogicalDriveSet(1u << number), data, spares, {}, {}));
}

TEST(SchemaArray, IsTheSameArrayWhenItsDataDrivesAreWhateverItsNumber)
{
    const Core::DevicePtr first = makeArray(0, drives({1, 2, 127}));
    EXPECT_TRUE(*first == *makeArray(5, drives({1, 2, 127})));
    EXPECT_EQ(first->identityHash(), makeArray(5, drives({1, 2, 127}))->identityHash());
    EXPECT_FALSE(*first == *makeArray(0, drives({1, 2})));
    EXPECT_FALSE(*first == *makeArray(0, drives({1, 2, 126})));
}

TEST(SchemaArray, IsNeverEqualToAnotherKindOfDevice)
{
    const Core::DevicePtr array = makeArray(0, {});
    const Schema::LogicalDrive logicalDrive(0, 0);
    EXPECT_FALSE(*array == logicalDrive);
    EXPECT_FALSE(logicalDrive == *array);
}

// The controller renumbers arrays when one is deleted; the surviving object keeps its children
// and its identifier, and takes the new number and drive sets as facts.
TEST(SchemaArray, SurvivesRenumberingAfterAnotherArrayIsDeleted)
{
    const Core::DevicePtr root = Schema::ModRoot::create();
    const Core::DevicePtr controller(new Schema::ArrayController("slot_3", testChannel()));
    root->receive(controller);
    controller->receive(makeArray(0, drives({0, 1})));
    const Core::DevicePtr arrayB = makeArray(1, drives({2, 3}));
    controller->receive(arrayB);
    arrayB->receive(Core::DevicePtr(new Schema::LogicalDrive(1, 0)));

    controller->receive(makeArray(0, drives({2, 3}), drives({7})));

    ASSERT_TRUE(controller->hasChild(arrayB));
    EXPECT_EQ(std::distance(controller->beginChild(), controller->endChild()), 2);
    EXPECT_EQ(arrayB->toString(), "AC:slot_3,A:1");
    EXPECT_EQ(arrayB->getValueFor(Facts::ATTR_NAME_ARRAY_NUMBER), "0");
    EXPECT_EQ(std::distance(arrayB->beginChild(), arrayB->endChild()), 1);
    const Array& merged = dynamic_cast<const Array&>(*arrayB);
    EXPECT_EQ(merged.spareDriveList(), drives({7}));
    EXPECT_EQ(merged.arrayNumber(), 1);
}

TEST(SchemaArray, UpdateWithTakesAllFiveSetsAndKeepsNumberAndDeletedMark)
{
    Array array(2, Array::LogicalDriveSet(0x4), drives({0}), {}, {}, {});
    array.isDeleted(true);
    const Core::DevicePtr newer(
        new Array(0, Array::LogicalDriveSet(0x3), drives({0, 1}), drives({2}), drives({3}), drives({4})));
    array.UpdateWith(newer);
    EXPECT_EQ(array.arrayNumber(), 2);
    EXPECT_TRUE(array.isDeleted());
    EXPECT_EQ(array.logicalDriveList(), Array::LogicalDriveSet(0x3));
    EXPECT_EQ(array.dataDriveList(), drives({0, 1}));
    EXPECT_EQ(array.spareDriveList(), drives({2}));
    EXPECT_EQ(array.activeSpareList(), drives({3}));
    EXPECT_EQ(array.failedDriveList(), drives({4}));
    array.UpdateWith(Core::DevicePtr(new Schema::LogicalDrive(0, 0)));
    EXPECT_EQ(array.dataDriveList(), drives({0, 1}));
}

TEST(SchemaArray, RemovesOnlyLogicalDriveNumbersItCanHold)
{
    Array array(0, Array::LogicalDriveSet(0x80000003u), {}, {}, {}, {});
    array.RemoveLogicalDriveNumber(1);
    array.RemoveLogicalDriveNumber(32);
    array.RemoveLogicalDriveNumber(1000);
    EXPECT_EQ(array.logicalDriveList(), Array::LogicalDriveSet(0x80000001u));
    array.SpareDriveListIs(drives({9}));
    EXPECT_EQ(array.spareDriveList(), drives({9}));
}

TEST(SchemaArray, CloneIsAnEqualDetachedCopyWithItsSets)
{
    const Core::DevicePtr original = makeArray(3, drives({4, 5}), drives({6}));
    const Core::DevicePtr copy = original->clone();
    ASSERT_TRUE(copy);
    EXPECT_TRUE(*copy == *original);
    EXPECT_EQ(dynamic_cast<const Array&>(*copy).spareDriveList(), drives({6}));
    EXPECT_FALSE(copy->hasParent());
}

} // namespace
