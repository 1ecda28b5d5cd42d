// Writes that concern logical and physical drives on the simulated controllers: the order,
// names and boot flag of logical drives, re-enabling a failed one, the identification LEDs and
// failing a drive on request; each read back by a new tree where the firmware keeps it.
#include <string>

#include <gtest/gtest.h>

#include "operations/writesetdevicebootable.h"
#include "operations/writesetlogicaldrivename.h"
#include "schema/diagnosticmod.h"
#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace Drive = Interface::StorageMod::LogicalDrive;
namespace Physical = Interface::StorageMod::PhysicalDrive;

const std::string kThreeLogicalDrives = hardware(4) +
    "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB label=alpha\n"
    "logicaldrive 1 drives=1I:1:1,1I:1:2 raid=1 size=1GB label=beta\n"
    "logicaldrive 2 drives=1I:1:3,1I:1:4 raid=1 size=1GB label=gamma\n";

// Logical drive numbers and names as a new tree reads them: "0:alpha 1:beta ...".
std::string numberedNames(const Tree& tree)
{
    std::string text;
    for (const Core::DevicePtr& drive : Tree(Tree::SameControllers{}, tree).logicalDrives())
        text += std::string(text.empty() ? "" : " ") + drive->getValueFor(Drive::ATTR_NAME_DRIVE_NUMBER).c_str() + ":" +
            drive->getValueFor(Drive::ATTR_NAME_LOGICAL_DRIVE_NAME).c_str();
    return text;
}

Core::OperationReturn renumber(const Tree& tree, unsigned from, const std::string& to)
{
    return Tree::perform(tree.logicalDrive(from), Config::OPERATION_WRITE_REORDER_LOGICAL_DRIVE,
                         {{Drive::ATTR_NAME_DRIVE_NUMBER, to}});
}

TEST(DriveSettings, RenumberingSwapsTwoNumbersOrMovesToAFreeOne)
{
    Tree tree(kThreeLogicalDrives);
    RequestLog log;
    ASSERT_TRUE(renumber(tree, 0, "2"));
    EXPECT_EQ(log.count("56"), 1u);
    EXPECT_EQ(numberedNames(tree), "0:gamma 1:beta 2:alpha");
    tree.rescan();
    ASSERT_TRUE(renumber(tree, 1, "5"));
    EXPECT_EQ(numberedNames(tree), "0:gamma 2:alpha 5:beta");
    tree.rescan();
    EXPECT_EQ(status(renumber(tree, 0, "32")), ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    EXPECT_EQ(status(renumber(tree, 0, "one")), ATTR_VALUE_STATUS_ARGUMENT_INVALID);
}

TEST(DriveSettings, ANameIsWrittenForTheDriveItsVolumeIdentifierNames)
{
    Tree tree(kThreeLogicalDrives);
    const Core::DeviceOperationPtr name(new Operations::WriteSetLogicalDriveName());
    name->SetArgument(
        {Core::DeviceOperation::ACTION_SET, Core::Attribute(Drive::ATTR_NAME_LOGICAL_DRIVE_NAME, "logs")});
    ASSERT_TRUE(tree.logicalDrive(1)->perform(name));
    EXPECT_EQ(numberedNames(tree), "0:alpha 1:logs 2:gamma");
}

TEST(DriveSettings, BootingFromADriveClearsOnlyItsBootFlag)
{
    Tree tree(kThreeLogicalDrives);
    LOGICAL_DRIVE_CONFIG record = tree.stored(2);
    record.bBIOSDisableFlag = 1;
    SetLogicalDriveCommand<SetLogicalDriveConfigurationTrait> disable(2, record);
    Core::OperationReturn written;
    ASSERT_TRUE(executeCommand(disable, *dynamic_cast<BMICDevice*>(tree.controller().get()), written) && written);
    tree.rescan();
    ASSERT_EQ(tree.logicalDrive(2)->getValueFor(Drive::ATTR_NAME_BOOT_SUPPORT),
              Drive::ATTR_VALUE_BOOT_SUPPORT_DISABLED);
    const Core::DeviceOperationPtr bootable(new Operations::WriteSetDeviceBootable());
    bootable->SetArgument(
        {Core::DeviceOperation::ACTION_SET, Core::Attribute(ATTR_NAME_UNIQUE_ID, tree.logicalDrive(2)->toString())});
    ASSERT_TRUE(tree.controller()->perform(bootable));
    const LOGICAL_DRIVE_CONFIG stored = tree.stored(2);
    EXPECT_EQ(stored.bBIOSDisableFlag, 0);
    EXPECT_EQ(+stored.dwSignature, +record.dwSignature);
    EXPECT_EQ(+stored.wAssignedDrives, +record.wAssignedDrives);
    const Tree other(Tree::SameControllers{}, tree);
    EXPECT_EQ(other.logicalDrive(2)->getValueFor(Drive::ATTR_NAME_BOOT_SUPPORT),
              Drive::ATTR_VALUE_BOOT_SUPPORT_ENABLED);
}

TEST(DriveSettings, OnlyAFailedLogicalDriveIsReenabledAndReadsOkAfterwards)
{
    Tree tree(kThreeLogicalDrives);
    tree.tool("fail-ld slot1 1");
    tree.rescan();
    EXPECT_FALSE(tree.logicalDrive(0)->hasOperation(Config::OPERATION_WRITE_REENABLE_LOGICAL_DRIVE));
    ASSERT_TRUE(Tree::perform(tree.logicalDrive(1), Config::OPERATION_WRITE_REENABLE_LOGICAL_DRIVE, {}));
    const Tree other(Tree::SameControllers{}, tree);
    EXPECT_EQ(other.logicalDrive(1)->getValueFor(Drive::ATTR_NAME_STATUS), Drive::ATTR_VALUE_STATUS_OK);
}

Core::OperationReturn blink(const Core::DevicePtr& device, const char* seconds)
{
    return Tree::perform(device, Config::OPERATION_WRITE_DEVICE_BLINK,
                         {{Config::ATTR_NAME_BLINK_INTERVAL, seconds},
                          {Config::ATTR_NAME_CONCATENATE, Config::ATTR_VALUE_CONCATENATE_TRUE},
                          {ATTR_NAME_UNIQUE_ID, device->toString().c_str()}});
}

// The drive indexes whose LEDs blink, as digits, and the duration.
std::string blinking(const Tree& tree)
{
    const MAINTENANCE_OPERATION maintenance = sensed<SenseMaintenanceTrait>(tree.controller());
    std::string drives;
    for (unsigned index = 0; index < 10; ++index)
        drives += maintenance.bDrive[index] != 0 ? std::to_string(index) : "";
    return drives + " for " + std::to_string(maintenance.dwDuration);
}

TEST(DriveSettings, LedsOfADeviceAreTheLedsOfItsDrivesAndAddToThoseAlreadyOn)
{
    Tree tree(kThreeLogicalDrives);
    const Core::DevicePtr second = tree.logicalDrives().back(); // on the second array: drives 2 and 3
    const Core::DevicePtr first = tree.drives().front();
    ASSERT_TRUE(blink(second, "3600"));
    EXPECT_EQ(blinking(tree), "23 for 3600");
    ASSERT_TRUE(blink(first, "3600"));
    EXPECT_EQ(blinking(tree), "023 for 3600");
    ASSERT_TRUE(blink(second, "0"));
    EXPECT_EQ(blinking(tree), "0 for 3600");
    ASSERT_TRUE(blink(first, "0"));
    EXPECT_EQ(blinking(tree), " for 0");
    EXPECT_EQ(status(blink(first, "soon")), ATTR_VALUE_STATUS_ARGUMENT_INVALID);
}

TEST(DriveSettings, OnlyTheEnclosureControllersDrivesAreFailedOnRequest)
{
    Tree enclosure("controller box model=QUOR_A slot=2 pcibus=7 cache=128\n"
                   "drive 1I:1:1 interface=sas size=72GB\n"
                   "drive 1I:1:2 interface=sas size=72GB\n"
                   "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n");
    const Core::DevicePtr pulled = enclosure.drives().back();
    ASSERT_TRUE(Tree::perform(pulled, Interface::DiagnosticMod::OPERATION_WRITE_FAIL_PHYSICAL_DRIVE, {}));
    const Tree other(Tree::SameControllers{}, enclosure);
    EXPECT_EQ(other.drives().back()->getValueFor(Physical::ATTR_NAME_STATUS), Physical::ATTR_VALUE_STATUS_FAILED);
    EXPECT_EQ(other.drives().front()->getValueFor(Physical::ATTR_NAME_STATUS), Physical::ATTR_VALUE_STATUS_OK);

    const Tree server(kThreeLogicalDrives);
    EXPECT_FALSE(server.drives().front()->hasOperation(Interface::DiagnosticMod::OPERATION_WRITE_FAIL_PHYSICAL_DRIVE));
}

} // namespace
