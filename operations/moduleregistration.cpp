#include "operations/moduleregistration.h"

#include <type_traits>

#include "controller/scsistatus.h"
#include "core/operationregistration.h"
#include "operations/associationarraycontrollerlogicaldrive.h"
#include "operations/associationarrayphysicaldrive.h"
#include "operations/associationphysicaldrivephysicaldrive.h"
#include "operations/discoverarray.h"
#include "operations/discoverarraycontroller.h"
#include "operations/discoverdiskextent.h"
#include "operations/discoverdrivecage.h"
#include "operations/discoverhostbusadapter.h"
#include "operations/discoverinitiator.h"
#include "operations/discoverlogicaldrive.h"
#include "operations/discoverphy.h"
#include "operations/discoverphysicaldrive.h"
#include "operations/discoverstorageenclosure.h"
#include "operations/discoverstoragesystem.h"
#include "operations/discovertapedrive.h"
#include "operations/readarraycontrollerinfo.h"
#include "operations/readarrayinfo.h"
#include "operations/readexpandrebuildinfo.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/readphysicaldriveinfo.h"
#include "operations/readstoragesysteminfo.h"
#include "operations/scopedassociations.h"
#include "operations/writeallowedcontrollerdiscovery.h"
#include "operations/writeautoconfigurestorage.h"
#include "operations/writeclearconfiguration.h"
#include "operations/writeconfigureunassignedphysicaldrive.h"
#include "operations/writeconfigureunusedspace.h"
#include "operations/writecreatearray.h"
#include "operations/writecreateinitiator.h"
#include "operations/writecreatelogicaldrive.h"
#include "operations/writedeletearray.h"
#include "operations/writedeletelogicaldrive.h"
#include "operations/writedeviceblink.h"
#include "operations/writedisableothercontroller.h"
#include "operations/writeexpandarray.h"
#include "operations/writeextendlogicaldrive.h"
#include "operations/writefailphysicaldrive.h"
#include "operations/writeflushdisablecache.h"
#include "operations/writejoinarray.h"
#include "operations/writelockstoragesystem.h"
#include "operations/writemanagearrayaccelerator.h"
#include "operations/writemanageboxname.h"
#include "operations/writemanageconnectionname.h"
#include "operations/writemanagecontrollerparameters.h"
#include "operations/writemanagehostmode.h"
#include "operations/writemanagesparedrive.h"
#include "operations/writemanagesspacl.h"
#include "operations/writemanagesspstate.h"
#include "operations/writemigratelogicaldrive.h"
#include "operations/writereenablelogicaldrive.h"
#include "operations/writerenumberlogicaldrive.h"
#include "operations/writesetasymmetricalactiveactivesubmode.h"
#include "operations/writesetdevicebootable.h"
#include "operations/writesetdrivewritecache.h"
#include "operations/writesetlogicaldrivename.h"
#include "operations/writesetpreferredpath.h"
#include "operations/writesetstorageenclosureserialnumber.h"
#include "operations/writesplitarray.h"
#include "operations/writestoragereenumerate.h"
#include "operations/writeunlockstoragesystem.h"
#include "schema/configmod.h"
#include "schema/schemadrivecage.h"
#include "schema/schemaexpander.h"
#include "schema/schemainitiator.h"
#include "schema/schemalogicaldrive.h"
#include "schema/schemasep.h"
#include "schema/schemastorageenclosure.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"

namespace {

using namespace Operations;
using namespace Interface::MORUMod;

// A device class and the type name its devices carry.
template <class DeviceClass, const char* TypeName>
struct DeviceType {
    using Class = DeviceClass;
    static constexpr const char* name = TypeName;
};

using RootType = DeviceType<Schema::ModRoot, ATTR_VALUE_TYPE_MOD_ROOT>;
using StorageSystemType = DeviceType<Schema::StorageSystem, ATTR_VALUE_TYPE_STORAGE_SYSTEM>;
using ControllerType = DeviceType<Schema::ArrayController, ATTR_VALUE_TYPE_ARRAY_CONTROLLER>;
using ArrayType = DeviceType<Schema::Array, ATTR_VALUE_TYPE_ARRAY>;
using LogicalDriveType = DeviceType<Schema::LogicalDrive, ATTR_VALUE_TYPE_LOGICAL_DRIVE>;
using PhysicalDriveType = DeviceType<Schema::PhysicalDrive, ATTR_VALUE_TYPE_PHYSICAL_DRIVE>;
using EnclosureType = DeviceType<Schema::StorageEnclosure, ATTR_VALUE_TYPE_STORAGE_ENCLOSURE>;
using DriveCageType = DeviceType<Schema::DriveCage, ATTR_VALUE_TYPE_DRIVE_CAGE>;
using ExpanderType = DeviceType<Schema::Expander, ATTR_VALUE_TYPE_EXPANDER>;
using SEPType = DeviceType<Schema::SEP, ATTR_VALUE_TYPE_SEP>;
using InitiatorType = DeviceType<Schema::Initiator, ATTR_VALUE_TYPE_INITIATOR>;

// Declares the pair (type, operation) when the operation can visit devices of the type: an
// operation reaches only the classes whose visitor it implements.
template <class Type, class Operation>
void declareOne()
{
    if constexpr (std::is_base_of_v<Schema::Visitor<typename Type::Class>, Operation>) {
        Core::RegisterSchema(Type::name, Core::DeviceOperationRegistry<typename Type::Class>::DeviceOperationListPtr());
        Core::RegisterOperation(Type::name, new Core::DeviceOperationCreator<Operation>());
    }
}

template <class Type, class... Operations>
void declare()
{
    (declareOne<Type, Operations>(), ...);
}

} // namespace

namespace Interface::StorageMod {

void InitializeModule()
{
    SCSIStatus::AddStorageModuleDescriptions();
    declare<RootType, DiscoverArrayController, DiscoverHostBusAdapter, DiscoverStorageSystem,
            WriteAllowedControllerDiscovery>();
    declare<StorageSystemType, DiscoverArrayController, DiscoverArray, DiscoverPhysicalDrive, DiscoverStorageEnclosure,
            DiscoverTapeDrive, DiscoverInitiator, ReadStorageSystemInfo, WriteStorageReenumerate,
            AssociationStorageSystemInitiator, AssociationStorageSystemPhysicalDrive>();
    declare<ControllerType, DiscoverArray, DiscoverPhysicalDrive, DiscoverStorageEnclosure, DiscoverTapeDrive,
            ReadArrayControllerInfo, WriteStorageReenumerate, AssociationArrayControllerHostBusAdapter,
            AssociationArrayControllerLogicalDrive, AssociationArrayControllerPhysicalDrive>();
    declare<ArrayType, DiscoverLogicalDrive, ReadArrayInfo, AssociationArrayPhysicalDrive>();
    declare<LogicalDriveType, DiscoverDiskExtent, ReadExpandRebuildInfo, ReadLogicalDriveInfo,
            AssociationLogicalDriveInitiator>();
    declare<PhysicalDriveType, ReadPhysicalDriveInfo, DiscoverPhy, AssociationPhysicalDrivePhysicalDrive>();
    declare<EnclosureType, DiscoverDriveCage>();
    declare<DriveCageType, DiscoverPhysicalDrive, DiscoverTapeDrive>();
    declare<ExpanderType, DiscoverPhy>();
    declare<SEPType, DiscoverPhy>();
}

} // namespace Interface::StorageMod

namespace Interface::ConfigMod {

// The module's operation classes are registered here as they are written.
void InitializeModule()
{
    declare<StorageSystemType, WriteAutoConfigureStorage, WriteClearConfiguration,
            WriteConfigureUnassignedPhysicalDrive, WriteCreateArray, WriteManageArrayAccelerator,
            WriteManageControllerParameters, WriteSetDeviceBootable, WriteDeviceBlink, WriteManageBoxName,
            WriteLockStorageSystem, WriteUnlockStorageSystem, WriteSetDriveWriteCache,
            WriteSetAsymmetricalActiveActiveSubmode>();
    declare<ControllerType, WriteAutoConfigureStorage, WriteClearConfiguration, WriteConfigureUnassignedPhysicalDrive,
            WriteCreateArray, WriteManageArrayAccelerator, WriteManageControllerParameters, WriteSetDeviceBootable,
            WriteDeviceBlink, WriteDisableOtherController, WriteFlushDisableCache>();
    declare<ArrayType, WriteConfigureUnusedSpace, WriteCreateLogicalDrive, WriteDeleteArray, WriteDeviceBlink,
            WriteExpandArray, WriteJoinArray, WriteManageSpareDrive, WriteSplitArray>();
    declare<LogicalDriveType, WriteDeleteLogicalDrive, WriteReenableLogicalDrive, WriteRenumberLogicalDrive,
            WriteSetLogicalDriveName, WriteSetPreferredPath, WriteDeviceBlink, WriteExtendLogicalDrive,
            WriteMigrateLogicalDrive>();
    declare<PhysicalDriveType, WriteDeviceBlink>();
    declare<EnclosureType, WriteDeviceBlink, WriteSetStorageEnclosureSerialNumber>();
    declare<DriveCageType, WriteDeviceBlink>();
    // Selective storage presentation.
    declare<StorageSystemType, WriteManageSSPState, WriteCreateInitiator>();
    declare<LogicalDriveType, WriteManageSSPACL>();
    declare<InitiatorType, WriteManageConnectionName, WriteManageHostMode>();
}

} // namespace Interface::ConfigMod

namespace Interface::DiagnosticMod {

// The module's operation classes are registered here as they are written.
void InitializeModule() { declare<PhysicalDriveType, WriteFailPhysicalDrive>(); }

} // namespace Interface::DiagnosticMod
