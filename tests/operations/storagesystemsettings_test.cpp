// The settings of a storage system on the simulated hardware: chassis name and serial number,
// drive write cache, preferred path mode and preferred paths, and the partner controller's
// disabling; each read back by a new tree, as the next process reads it, and offered only where
// the hardware has it.
#include <string>

#include <gtest/gtest.h>

#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace System = Interface::StorageMod::StorageSystem;
namespace Controller = Interface::StorageMod::ArrayController;
using Interface::StorageMod::ATTR_NAME_IO_SLOT;

// A redundant pair in asymmetrical active-active mode, two logical drives, a known box name
// and rebuild priority (to see that other settings survive a write).
const std::string kActiveActive =
    "controller storage1 model=CORVALE_1500 external=yes bustype=4 firmware=7.20 serial=E7VN1 chassis=SGV05 "
    "node=5a:0e:0d:10:05:11:01:70 boxname=\"Lab Storage\" rebuildpriority=high cache=512 "
    "redundancymode=activeactive\n"
    "drive 1:1 interface=sas size=146GB\n"
    "drive 1:2 interface=sas size=146GB\n"
    "logicaldrive 0 drives=1:1,1:2 raid=1 size=10GB\n"
    "logicaldrive 1 drives=1:1,1:2 raid=1 size=10GB\n"
    "adapter fc1 wwn=5a:0e:0d:00:00:01:00:01 slot=4\n"
    "path controller=storage1 side=A\n"
    "adapter fc2 wwn=5a:0e:0d:00:00:01:00:02 slot=5\n"
    "path controller=storage1 side=B\n";

std::string value(const Core::DevicePtr& device, const char* name) { return device->getValueFor(name).c_str(); }

TEST(StorageSystemSettings, ChassisNameIsCutToTwentyCharactersAndTheOtherParametersStay)
{
    Tree tree(kActiveActive);
    const Core::DevicePtr system = tree.storageSystem();
    Core::CapabilityFinder byName(
        system->getOperation(Config::OPERATION_WRITE_MANAGE_BOX_NAME)->getCapabilityPtr(system));
    byName.Add(Core::Attribute(ATTR_NAME_ATTRIBUTE_NAME, System::ATTR_NAME_BOX_NAME));
    ASSERT_TRUE(byName.find());
    EXPECT_EQ(byName.find()->getValueFor(ATTR_NAME_MAXIMUM_VALUE), "20");
    ASSERT_TRUE(Tree::perform(system, Config::OPERATION_WRITE_MANAGE_BOX_NAME,
                              {{System::ATTR_NAME_BOX_NAME, "Rack 7 - second floor, east"}}));
    const Core::DevicePtr reread = Tree(Tree::SameControllers{}, tree).storageSystem();
    EXPECT_EQ(value(reread, System::ATTR_NAME_BOX_NAME), "Rack 7 - second floo");
    EXPECT_EQ(value(reread, Controller::ATTR_NAME_REBUILD_PRIORITY), Controller::ATTR_VALUE_REBUILD_PRIORITY_HIGH);
    EXPECT_EQ(Tree::perform(system, Config::OPERATION_WRITE_MANAGE_BOX_NAME, {}).getValueFor(ATTR_NAME_STATUS),
              ATTR_VALUE_STATUS_ARGUMENT_MISSING);
}

TEST(StorageSystemSettings, DriveWriteCacheTurnsOnAndOffAndIsOfferedWithItsState)
{
    Tree tree(kActiveActive);
    const char* const op = Config::OPERATION_WRITE_SET_DRIVE_WRITE_CACHE;
    EXPECT_EQ(current(tree.storageSystem(), op, System::ATTR_NAME_DRIVE_WRITE_CACHE),
              System::ATTR_VALUE_DRIVE_WRITE_CACHE_DISABLED);
    for (const char* state :
         {System::ATTR_VALUE_DRIVE_WRITE_CACHE_ENABLED, System::ATTR_VALUE_DRIVE_WRITE_CACHE_DISABLED}) {
        ASSERT_TRUE(Tree::perform(tree.storageSystem(), op, {{System::ATTR_NAME_DRIVE_WRITE_CACHE, state}}));
        const Core::DevicePtr reread = Tree(Tree::SameControllers{}, tree).storageSystem();
        EXPECT_EQ(value(reread, System::ATTR_NAME_DRIVE_WRITE_CACHE), state);
        EXPECT_EQ(current(reread, op, System::ATTR_NAME_DRIVE_WRITE_CACHE), state);
        EXPECT_EQ(value(reread, System::ATTR_NAME_BOX_NAME), "Lab Storage");
    }
}

TEST(StorageSystemSettings, PreferredPathModeAndPathsAreReadBackAndLinkTheChosenController)
{
    Tree tree(SimTree::makeState("activeactive"), Tree::FromState{});
    ASSERT_TRUE(Tree::perform(tree.storageSystem(), Config::OPERATION_WRITE_SET_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE,
                              {{System::ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE,
                                System::ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_EXPLICIT}}));
    const Core::DevicePtr second = tree.logicalDrives().back();
    EXPECT_EQ(current(second, Config::OPERATION_WRITE_SET_PREFERRED_PATH, ATTR_NAME_IO_SLOT), "0");
    ASSERT_TRUE(Tree::perform(second, Config::OPERATION_WRITE_SET_PREFERRED_PATH, {{ATTR_NAME_IO_SLOT, "1"}}));
    EXPECT_EQ(Tree::perform(second, Config::OPERATION_WRITE_SET_PREFERRED_PATH, {{ATTR_NAME_IO_SLOT, "2"}})
                  .getValueFor(ATTR_NAME_STATUS),
              ATTR_VALUE_STATUS_ARGUMENT_INVALID);

    const Tree other(Tree::SameControllers{}, tree);
    EXPECT_EQ(value(other.storageSystem(), System::ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE),
              System::ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_EXPLICIT);
    const Core::DeviceList drives = other.logicalDrives();
    EXPECT_EQ(value(drives.front(), ATTR_NAME_IO_SLOT), "0");
    EXPECT_EQ(value(drives.back(), ATTR_NAME_IO_SLOT), "1");
    EXPECT_EQ(current(drives.back(), Config::OPERATION_WRITE_SET_PREFERRED_PATH, ATTR_NAME_IO_SLOT), "1");
    const std::string preferred = SimTree::associated(drives.back(), Interface::StorageMod::ASSOCIATION_PREFERRED_PATH);
    for (const Core::DevicePtr& controller : SimTree::devicesOf(other.root, ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
        EXPECT_EQ(preferred == controller->toString().c_str(), value(controller, ATTR_NAME_IO_SLOT) == "1");
}

TEST(StorageSystemSettings, PathsAndPartnerDisablingAreOfferedOnlyOnRedundantPairs)
{
    Tree activeActive(kActiveActive);
    for (const Core::DevicePtr& controller : SimTree::devicesOf(activeActive.root, ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
        EXPECT_TRUE(controller->hasOperation(Config::OPERATION_WRITE_DISABLE_OTHER_CONTROLLER));
    RequestLog log;
    ASSERT_TRUE(Tree::perform(activeActive.controller(), Config::OPERATION_WRITE_DISABLE_OTHER_CONTROLLER, {}));
    EXPECT_EQ(log.count("89"), 1u);

    const Tree standby(SimTree::makeState("external"), Tree::FromState{});
    const Core::DevicePtr system = standby.storageSystem();
    EXPECT_FALSE(system->hasOperation(Config::OPERATION_WRITE_SET_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE));
    EXPECT_EQ(Tree::unavailableReason(system, Config::OPERATION_WRITE_SET_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE),
              ATTR_VALUE_UNAVAILABLE_REASON_REDUNDANCY_MODE_NOT_ASYMMETRICAL_ACTIVE_ACTIVE);
    for (const Core::DevicePtr& drive : standby.logicalDrives())
        EXPECT_FALSE(drive->hasOperation(Config::OPERATION_WRITE_SET_PREFERRED_PATH));
    EXPECT_TRUE(system->hasOperation(Config::OPERATION_WRITE_MANAGE_BOX_NAME));

    const Tree local(SimTree::makeState("server"), Tree::FromState{});
    for (const Core::DevicePtr& controller : SimTree::devicesOf(local.root, ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
        EXPECT_EQ(Tree::unavailableReason(controller, Config::OPERATION_WRITE_DISABLE_OTHER_CONTROLLER),
                  ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_CONTROLLER_NOT_REDUNDANT);
}

TEST(StorageSystemSettings, AnExternalEnclosureTakesANewChassisSerialNumber)
{
    Tree tree(kActiveActive);
    const Core::DeviceList enclosures = SimTree::devicesOf(tree.root, ATTR_VALUE_TYPE_STORAGE_ENCLOSURE);
    ASSERT_FALSE(enclosures.empty());
    ASSERT_TRUE(Tree::perform(enclosures.front(), Config::OPERATION_WRITE_SET_STORAGE_ENCLOSURE_SERIAL_NUMBER,
                              {{Interface::StorageMod::ATTR_NAME_SERIAL_NUMBER, "SGV0999999"}}));
    EXPECT_EQ(value(Tree(Tree::SameControllers{}, tree).storageSystem(), System::ATTR_NAME_CHASSIS_SERIAL_NUMBER),
              "SGV0999999");
}

} // namespace
