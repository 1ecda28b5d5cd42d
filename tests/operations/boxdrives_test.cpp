// The drive index of a box, on two hand-made controllers whose drives share indexes.
#include "operations/boxdrives.h"

#include <gtest/gtest.h>

#include "core/rescanpass.h"
#include "operations/controllerchannel.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemamodroot.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/storagemod.h"

namespace {

using Interface::StorageMod::ATTR_VALUE_DRIVE_TYPE_DATA;

Core::DevicePtr controllerWithDrives(const Core::DevicePtr& root, const char* location,
                                     std::initializer_list<unsigned short> indexes)
{
    const Core::DevicePtr controller(new Schema::ArrayController(location, Operations::controllerChannel(0, false)));
    root->receive(controller);
    for (unsigned short index : indexes)
        controller->receive(Core::DevicePtr(new Schema::PhysicalDrive(index, ATTR_VALUE_DRIVE_TYPE_DATA)));
    return controller;
}

std::string names(const Core::DeviceList& drives)
{
    std::string text;
    for (const Core::DevicePtr& drive : drives)
        text += Common::toStdString(drive->toString()) + " ";
    return text;
}

// Within one rescan pass each box answers with its own drives, in tree order, however the
// boxes are asked in turn.
TEST(BoxDrives, EachBoxAnswersWithItsOwnDrivesInTreeOrder)
{
    const Core::DevicePtr root = Schema::ModRoot::create();
    const Core::DevicePtr first = controllerWithDrives(root, "slot_1", {5, 0, 7});
    const Core::DevicePtr second = controllerWithDrives(root, "slot_2", {0});
    Schema::Array::DriveSet set;
    set.set(0).set(5).set(9);
    const Core::RescanPass pass;
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(names(Operations::BoxDrives::of(first).inSet(set)), "AC:slot_1,PD:5 AC:slot_1,PD:0 ");
        EXPECT_EQ(names(Operations::BoxDrives::of(second).inSet(set)), "AC:slot_2,PD:0 ");
    }
    EXPECT_EQ(names(Operations::BoxDrives::of(Core::DevicePtr()).inSet(set)), "");
}

} // namespace
