// Identifiers and equality rules of the device classes, seen in a tree built by hand.
#include <gtest/gtest.h>

#include "tests/schema/testchannels.h"

#include "schema/devicescope.h"
#include "schema/schemaarray.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemadiskextent.h"
#include "schema/schemadrivecage.h"
#include "schema/schemaexpander.h"
#include "schema/schemahostbusadapter.h"
#include "schema/schemainitiator.h"
#include "schema/schemalogicaldrive.h"
#include "schema/schemamodroot.h"
#include "schema/schemaphy.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/schemasep.h"
#include "schema/schemastorageenclosure.h"
#include "schema/schemastoragesystem.h"
#include "schema/schematapedrive.h"
#include "schema/storagemod.h"

namespace {

using namespace Schema;
namespace Facts = Interface::StorageMod;
using Interface::MORUMod::ATTR_NAME_TYPE;
using Interface::MORUMod::ATTR_NAME_UNIQUE_ID;

template <class T, class... Args>
Core::DevicePtr add(const Core::DevicePtr& parent, Args&&... args)
{
    Core::DevicePtr child(new T(std::forward<Args>(args)...));
    parent->receive(child);
    return child;
}

std::size_t childCount(const Core::DevicePtr& device)
{
    return std::distance(device->beginChild(), device->endChild());
}

class SchemaIdentifiers : public ::testing::Test {
protected:
    Core::DevicePtr root = ModRoot::create();
    Core::DevicePtr controller = add<ArrayController>(root, "slot_3", testChannel());
    Core::DevicePtr box = add<StorageSystem>(root, "CHASSIS7", "ATTR_VALUE_CONTROLLER_NAME_X", "PCI", testChannel());
};

TEST_F(SchemaIdentifiers, RootIsNumberedPerRootMadeAndFindsItsOwnPointer)
{
    const Core::DevicePtr next = ModRoot::create();
    const Common::string first = root->toString();
    ASSERT_EQ(std::string(first.c_str()).rfind("MR:", 0), 0u);
    EXPECT_EQ(next->toString(), Common::string("MR:") + decimalText(std::stoull(first.c_str() + 3) + 1));
    EXPECT_EQ(root->getValueFor(ATTR_NAME_UNIQUE_ID), first);
    EXPECT_EQ(root->getValueFor(ATTR_NAME_TYPE), "ATTR_VALUE_TYPE_MOD_ROOT");
    EXPECT_EQ(root->getDevicePtr().get(), root.get());
    EXPECT_EQ(controller->pParent().get(), root.get());
    EXPECT_FALSE(*root == *next);
    EXPECT_TRUE(*root == *root->clone());
    EXPECT_FALSE(root->clone()->getDevicePtr());
}

TEST_F(SchemaIdentifiers, ControllerDescendantsAreNamedWithinTheController)
{
    const Core::DevicePtr array = add<Array>(controller, 1, Array::LogicalDriveSet(4), Array::DriveSet(3),
                                             Array::DriveSet(), Array::DriveSet(), Array::DriveSet());
    const Core::DevicePtr logicalDrive = add<LogicalDrive>(array, 2u, 0u);
    const Core::DevicePtr extent = add<DiskExtent>(logicalDrive, 1u);
    const Core::DevicePtr enclosure = add<StorageEnclosure>(controller, 4u);
    const Core::DevicePtr cage = add<DriveCage>(enclosure, "P1");
    const Core::DevicePtr drive = add<PhysicalDrive>(cage, 17, Facts::ATTR_VALUE_DRIVE_TYPE_DATA);
    const Core::DevicePtr phy = add<Phy>(drive, 0u);

    EXPECT_EQ(controller->toString(), "AC:slot_3");
    EXPECT_EQ(array->toString(), "AC:slot_3,A:1");
    EXPECT_EQ(logicalDrive->toString(), "AC:slot_3,LD:2");
    EXPECT_EQ(extent->toString(), "AC:slot_3,LD:2,DE:1");
    EXPECT_EQ(enclosure->toString(), "AC:slot_3,SE:4");
    EXPECT_EQ(cage->toString(), "AC:slot_3,SE:4,DC:P1");
    EXPECT_EQ(drive->toString(), "AC:slot_3,PD:17");
    EXPECT_EQ(phy->toString(), "AC:slot_3,PD:17,PY:0");
    EXPECT_EQ(add<TapeDrive>(cage, 18, 0u)->toString(), "AC:slot_3,TD:18");
    EXPECT_EQ(add<Expander>(controller, 30, testAddress())->toString(), "AC:slot_3,E:30");
    EXPECT_EQ(add<SEP>(controller, 31, testAddress())->toString(), "AC:slot_3,S:31");
    EXPECT_EQ(drive->getValueFor(ATTR_NAME_UNIQUE_ID), "AC:slot_3,PD:17");
    EXPECT_EQ(drive->getValueFor(Facts::PhysicalDrive::ATTR_NAME_DRIVE_TYPE), Facts::ATTR_VALUE_DRIVE_TYPE_DATA);
    EXPECT_EQ(enclosure->getValueFor(Facts::StorageEnclosure::ATTR_NAME_BOX_INDEX), "4");
}

// A storage system is the scope of everything inside it, its controllers included.
TEST_F(SchemaIdentifiers, StorageSystemDescendantsAreNamedWithinTheStorageSystem)
{
    const Core::DevicePtr inner = add<ArrayController>(box, "PCI_1_P0", testChannel());
    EXPECT_EQ(box->toString(), "CHASSIS7");
    EXPECT_EQ(box->getValueFor(Facts::StorageSystem::ATTR_NAME_CHASSIS_SERIAL_NUMBER), "CHASSIS7");
    EXPECT_EQ(inner->toString(), "AC:PCI_1_P0");
    EXPECT_EQ(add<PhysicalDrive>(box, 2, Facts::ATTR_VALUE_DRIVE_TYPE_SPARE)->toString(), "CHASSIS7,PD:2");
    EXPECT_EQ(add<Initiator>(box, "WWN-10")->toString(), "CHASSIS7,I:WWN-10");
    EXPECT_EQ(add<LogicalDrive>(inner, 0u, 0u)->toString(), "CHASSIS7,LD:0");
}

TEST_F(SchemaIdentifiers, DriveReachedThroughTwoPathsIsOneDevice)
{
    const Core::DevicePtr first = add<PhysicalDrive>(box, 5, Facts::ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);
    Core::DevicePtr again(new PhysicalDrive(5, Facts::ATTR_VALUE_DRIVE_TYPE_DATA));
    again->Receive(Core::Attribute(Facts::PhysicalDrive::ATTR_NAME_SERIAL_NUMBER, "SER5"));
    box->receive(again);
    ASSERT_EQ(childCount(box), 1u);
    EXPECT_EQ(box->beginChild()->get(), first.get());
    EXPECT_EQ(first->getValueFor(Facts::PhysicalDrive::ATTR_NAME_DRIVE_TYPE), Facts::ATTR_VALUE_DRIVE_TYPE_DATA);
    EXPECT_EQ(first->getValueFor(Facts::PhysicalDrive::ATTR_NAME_SERIAL_NUMBER), "SER5");
}

TEST_F(SchemaIdentifiers, EqualityComparesTheClassAndItsIdentifyingFact)
{
    EXPECT_TRUE(LogicalDrive(3, 0) == LogicalDrive(3, 0));
    EXPECT_FALSE(LogicalDrive(3, 0) == LogicalDrive(4, 0));
    EXPECT_FALSE(PhysicalDrive(3, "x") == TapeDrive(3, 0));
    EXPECT_TRUE(PhysicalDrive(3, "x") == PhysicalDrive(3, "y"));
    EXPECT_TRUE(Initiator("A") == Initiator("A"));
    EXPECT_FALSE(Initiator("A") == Initiator("B"));
    EXPECT_FALSE(Expander(1, testAddress()) == SEP(1, testAddress()));
    EXPECT_TRUE(DiskExtent(1) == DiskExtent(1));
    EXPECT_TRUE(DriveCage("P1") == DriveCage("P1"));
    EXPECT_FALSE(StorageEnclosure(1) == StorageEnclosure(2));
    EXPECT_TRUE(ArrayController("slot_1", testChannel()) == ArrayController("slot_1", testChannel()));
    EXPECT_FALSE(ArrayController("slot_1", testChannel()) == ArrayController("slot_1b", testChannel()));
    EXPECT_TRUE(StorageSystem("S", "a", "b", testChannel()) == StorageSystem("S", "c", "d", testChannel()));
    EXPECT_EQ(Phy(2).identityHash(), Phy(2).identityHash());
}

TEST_F(SchemaIdentifiers, DeviceOutsideTheTreeHasNoScope)
{
    const LogicalDrive detached(7, 0);
    EXPECT_EQ(detached.toString(), ",LD:7");
    EXPECT_FALSE(detached.hasAttribute(ATTR_NAME_UNIQUE_ID));
    EXPECT_EQ(DiskExtent(1).toString(), ",DE:1");
}

TEST_F(SchemaIdentifiers, AdapterIsNamedByAccessIdOrElseByItsLocation)
{
    HostBusAdapter adapter;
    adapter.Receive(Core::Attribute(Facts::HostBusAdapter::ATTR_NAME_PCI_BUS, 4u));
    adapter.Receive(Core::Attribute(Facts::HostBusAdapter::ATTR_NAME_PCI_FUNCTION, 1u));
    adapter.Receive(Core::Attribute(Facts::HostBusAdapter::ATTR_NAME_PCI_DOMAIN, 0u));
    EXPECT_EQ(adapter.toString(), "HBA:0_4_1");
    HostBusAdapter slotted;
    slotted.Receive(Core::Attribute(Facts::HostBusAdapter::ATTR_NAME_SLOT, "2"));
    EXPECT_EQ(slotted.toString(), "HBA:2");
    EXPECT_FALSE(adapter == slotted);
    adapter.Receive(Core::Attribute(Facts::HostBusAdapter::ATTR_NAME_ACCESS_ID, "ACC-9"));
    EXPECT_EQ(adapter.toString(), "HBA:ACC-9");
}

// The access list is its reader's: a newer copy from discovery does not replace it.
TEST_F(SchemaIdentifiers, StorageSystemTakesPathsFromANewerCopyAndKeepsItsAccessList)
{
    StorageSystem& system = dynamic_cast<StorageSystem&>(*box);
    system.AddStorageSystemPath({"HBA:1", 0, "PCI_1"});
    system.AclEntryListIs({{1, "WWN-12"}});
    Core::DevicePtr newer(new StorageSystem("CHASSIS7", "ATTR_VALUE_CONTROLLER_NAME_Y", "FIBRE", testChannel()));
    StorageSystem& fresh = dynamic_cast<StorageSystem&>(*newer);
    fresh.AddStorageSystemPath({"HBA:1", StorageSystem::HBA_PORT_NOT_APPLICABLE, "PCI_1"});
    fresh.AddStorageSystemPath({"HBA:2", 1, "PCI_2"});
    fresh.AclEntryListIs({{0, "WWN-10"}, {3, "WWN-11"}});
    root->receive(newer);

    ASSERT_EQ(system.storageSystemPathList().size(), 2u);
    EXPECT_EQ(system.storageSystemPathList().back().hostBusAdapter, "HBA:2");
    EXPECT_EQ(system.storageSystemPathList().front().port, StorageSystem::HBA_PORT_NOT_APPLICABLE);
    ASSERT_EQ(system.aclEntryList().size(), 1u);
    EXPECT_EQ(system.aclEntryList().front(), StorageSystem::AclEntry(1, "WWN-12"));
    EXPECT_EQ(system.productID(), "ATTR_VALUE_CONTROLLER_NAME_Y");
    EXPECT_EQ(system.busType(), "FIBRE");
}

TEST_F(SchemaIdentifiers, ControllerMarkedNotOkRecordsTheReason)
{
    ArrayController& typed = dynamic_cast<ArrayController&>(*controller);
    typed.SetControllerStatusNotOk(Facts::ATTR_VALUE_CONTROLLER_STATE_CONTROLLER_NOT_PRESENT);
    EXPECT_EQ(controller->getValueFor(Facts::ArrayController::ATTR_NAME_STATUS), Facts::ATTR_VALUE_STATUS_NOT_OK);
    EXPECT_EQ(controller->getValueFor(Facts::ArrayController::ATTR_NAME_CONTROLLER_STATE),
              Facts::ATTR_VALUE_CONTROLLER_STATE_CONTROLLER_NOT_PRESENT);
    Core::DevicePtr again(new ArrayController("slot_3", testChannel()));
    dynamic_cast<ArrayController&>(*again).over2TBSupport(true);
    root->receive(again);
    EXPECT_TRUE(typed.over2TBSupport());
}

TEST_F(SchemaIdentifiers, PlainDevicesRefuseChildren)
{
    const Core::DevicePtr tape = add<TapeDrive>(controller, 9, 0u);
    EXPECT_FALSE(tape->receive(Core::DevicePtr(new Phy(0))));
    EXPECT_EQ(childCount(tape), 0u);
}

// Devices below a controller reach it through their forwarding channels, however deep they sit.
TEST_F(SchemaIdentifiers, ChannelsOfDescendantsLeadToTheirController)
{
    const Core::DevicePtr enclosure = add<StorageEnclosure>(controller, 0u);
    const Core::DevicePtr cage = add<DriveCage>(enclosure, "P1");
    const Core::DevicePtr drive = add<PhysicalDrive>(cage, 3, Facts::ATTR_VALUE_DRIVE_TYPE_DATA);
    EXPECT_EQ(dynamic_cast<BMICDevice&>(*drive).maxPhysicalUnits(), 128);
    EXPECT_EQ(dynamic_cast<BMICDevice&>(*add<Phy>(drive, 1u)).maxLogicalUnits(), 32);
    PhysicalDrive detached(4, Facts::ATTR_VALUE_DRIVE_TYPE_DATA);
    EXPECT_EQ(detached.maxPhysicalUnits(), 0);

    Core::DevicePtr again(new ArrayController("slot_3", testChannel(77)));
    root->receive(again);
    EXPECT_EQ(dynamic_cast<ArrayController&>(*controller).handle(), 77u);
    EXPECT_EQ(dynamic_cast<ConcreteSCSIDevice&>(*controller).handle(), 77u);
}

} // namespace
