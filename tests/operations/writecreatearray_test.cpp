// Making arrays of unassigned drives and removing them again while they hold no logical drive.
#include <gtest/gtest.h>

#include "schema/schemaarray.h"

#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
namespace Config = Interface::ConfigMod;
namespace Drive = Interface::StorageMod::PhysicalDrive;

Arguments idsOf(std::initializer_list<Core::DevicePtr> drives)
{
    Arguments ids;
    for (const Core::DevicePtr& drive : drives)
        ids.emplace_back(Core::ModelTerms::ATTR_NAME_UNIQUE_ID, drive->toString().c_str());
    return ids;
}

TEST(CreateArray, TakesTheDrivesAndNumbersArraysInOrderWithoutSendingAnything)
{
    Tree tree(hardware(4));
    const Core::DeviceList found = tree.drives();
    const std::vector<Core::DevicePtr> drives(found.begin(), found.end());
    const Core::OperationReturn first =
        Tree::perform(tree.controller(), Config::OPERATION_WRITE_CREATE_ARRAY, idsOf({drives[0], drives[1]}));
    ASSERT_TRUE(first);
    EXPECT_EQ(first.getValueFor(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER), "0");
    const Core::OperationReturn second =
        Tree::perform(tree.controller(), Config::OPERATION_WRITE_CREATE_ARRAY, idsOf({drives[2]}));
    EXPECT_EQ(second.getValueFor(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER), "1");
    EXPECT_EQ(drives[0]->getValueFor(Drive::ATTR_NAME_DRIVE_TYPE), Drive::ATTR_VALUE_DRIVE_TYPE_DATA);
    EXPECT_NE(drives[3]->getValueFor(Drive::ATTR_NAME_DRIVE_TYPE), Drive::ATTR_VALUE_DRIVE_TYPE_DATA);
    const Core::DeviceList arrays = tree.arrays();
    ASSERT_EQ(arrays.size(), 2u);
    const auto* made = dynamic_cast<const Schema::Array*>(arrays.front().get());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->dataDriveList().count(), 2u);
    EXPECT_TRUE(arrays.front()->hasOperation(Config::OPERATION_WRITE_CREATE_LOGICAL_DRIVE));
    EXPECT_EQ(+tree.stored(0).wAssignedDrives, 0);
    // A rescan keeps the arrays the controller does not know yet.
    tree.rescan();
    EXPECT_EQ(tree.arrays().size(), 2u);
}

TEST(CreateArray, AnUnknownDriveOrNoDriveMakesNoArray)
{
    Tree tree(hardware(2));
    const Core::DevicePtr drive = tree.drives().front();
    Arguments ids = idsOf({drive});
    ids.emplace_back(Core::ModelTerms::ATTR_NAME_UNIQUE_ID, "AC:slot_1,PD:no-such-drive");
    const Core::OperationReturn unknown = Tree::perform(tree.controller(), Config::OPERATION_WRITE_CREATE_ARRAY, ids);
    EXPECT_EQ(status(unknown), Interface::MORUMod::ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    EXPECT_EQ(unknown.getValueFor(Interface::MORUMod::ATTR_NAME_ARGUMENT_NAME), Core::ModelTerms::ATTR_NAME_UNIQUE_ID);
    EXPECT_NE(drive->getValueFor(Drive::ATTR_NAME_DRIVE_TYPE), Drive::ATTR_VALUE_DRIVE_TYPE_DATA);
    EXPECT_EQ(status(Tree::perform(tree.controller(), Config::OPERATION_WRITE_CREATE_ARRAY, {})),
              Interface::MORUMod::ATTR_VALUE_STATUS_ARGUMENT_MISSING);
    EXPECT_TRUE(tree.arrays().empty());
}

TEST(CreateArray, OfferedOnlyWhereAnUnassignedDriveIsLeft)
{
    const char* const consumers[] = {Config::OPERATION_WRITE_CREATE_ARRAY,
                                     Config::OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE,
                                     Config::OPERATION_WRITE_AUTO_CONFIGURE_STORAGE};
    Tree spare(hardware(3) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n");
    Tree taken(hardware(2) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n");
    for (const char* operation : consumers) {
        EXPECT_TRUE(spare.controller()->hasOperation(operation)) << operation;
        EXPECT_EQ(Tree::unavailableReason(taken.controller(), operation),
                  Interface::MORUMod::ATTR_VALUE_UNAVAILABLE_REASON_UNASSIGNED_DRIVES_FOR_CREATION_NOT_AVAILABLE);
    }
}

TEST(DeleteArray, AnEmptyArrayGoesAndItsDrivesAreFreeAgain)
{
    Tree tree(hardware(3));
    const Core::DevicePtr array = tree.newArray(2);
    ASSERT_TRUE(array);
    EXPECT_EQ(Tree::unavailableReason(array, Config::OPERATION_WRITE_DELETE_ARRAY), "");
    ASSERT_TRUE(Tree::perform(array, Config::OPERATION_WRITE_DELETE_ARRAY, {}));
    EXPECT_TRUE(tree.arrays().empty());
    for (const Core::DevicePtr& drive : tree.drives())
        EXPECT_NE(drive->getValueFor(Drive::ATTR_NAME_DRIVE_TYPE), Drive::ATTR_VALUE_DRIVE_TYPE_DATA);
    tree.rescan();
    EXPECT_TRUE(tree.arrays().empty());
}

} // namespace
