// Association predicates on a small hand-made tree: a controller with data drives, a spare and
// a logical drive that lists which spare stands in for which drive.
#include <gtest/gtest.h>

#include "operations/associationphysicaldrivephysicaldrive.h"
#include "operations/associationpredicates.h"
#include "operations/controllerchannel.h"
#include "schema/schemalogicaldrive.h"
#include "schema/schemamodroot.h"
#include "tests/operations/simtree.h"

namespace {

using namespace Interface::StorageMod;

class ActiveSpares : public testing::Test {
protected:
    void SetUp() override
    {
        root = Schema::ModRoot::create();
        controller = Core::DevicePtr(new Schema::ArrayController("slot_1", Operations::controllerChannel(0, false)));
        root->receive(controller);
        for (unsigned short index : {0, 1})
            drives.push_back(add(new Schema::PhysicalDrive(index, ATTR_VALUE_DRIVE_TYPE_DATA)));
        drives.push_back(add(new Schema::PhysicalDrive(3, ATTR_VALUE_DRIVE_TYPE_SPARE)));
        drives.push_back(add(new Schema::PhysicalDrive(4, ATTR_VALUE_DRIVE_TYPE_SPARE)));
        logicalDrive = add(new Schema::LogicalDrive(0, 0));
    }
    Core::DevicePtr add(Core::Device* device)
    {
        const Core::DevicePtr added(device);
        controller->receive(added);
        return added;
    }
    void listActiveSpares(const char* list)
    {
        logicalDrive->Publish(*logicalDrive, Core::Attribute(ATTR_NAME_ACTIVE_SPARE_FOR_LIST, list));
    }
    std::string activeSpareOf(const Core::DevicePtr& drive)
    {
        drive->perform(Core::DeviceOperationPtr(new Operations::AssociationPhysicalDrivePhysicalDrive()));
        return SimTree::associated(drive, ASSOCIATION_ACTIVE_SPARE);
    }

    Core::DevicePtr root;
    Core::DevicePtr controller;
    Core::DevicePtr logicalDrive;
    std::vector<Core::DevicePtr> drives;
};

TEST_F(ActiveSpares, PairsNameTheSpareFirstAndTheDriveItReplacesSecond)
{
    listActiveSpares("3:1*-*4:0");
    EXPECT_EQ(Operations::activeSparePairs(controller), (Operations::ActiveSparePairs{{3, 1}, {4, 0}}));
    EXPECT_EQ(activeSpareOf(drives[1]), "AC:slot_1,PD:3");
    EXPECT_EQ(activeSpareOf(drives[0]), "AC:slot_1,PD:4");
}

TEST_F(ActiveSpares, OnlyADataDriveHasAnActiveSpare)
{
    listActiveSpares("3:1");
    EXPECT_EQ(activeSpareOf(drives[2]), "") << "a spare stands in for nobody's spare";
    EXPECT_EQ(activeSpareOf(drives[0]), "");
}

TEST_F(ActiveSpares, AnOddNumberLeftOverIsNoPair)
{
    listActiveSpares("3:1*-*4");
    EXPECT_EQ(Operations::activeSparePairs(controller), (Operations::ActiveSparePairs{{3, 1}}));
}

TEST_F(ActiveSpares, PredicatesRefuseDevicesOfTheWrongClass)
{
    const Operations::LunInitiatorWithAccessPredicate access;
    const Operations::ArrayControllerToHostBusAdapterInterconnectPathPredicate path;
    EXPECT_FALSE(access(logicalDrive, drives[0])) << "a drive is no initiator, and no storage system is above";
    EXPECT_FALSE(path(controller, drives[0])) << "a local controller has no storage-system path";
}

} // namespace
