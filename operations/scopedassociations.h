// The association operations that need nothing but one predicate and a scope
// (Operations::ScopedAssociation): each links the visited device to the candidates of one type
// below the scope for which its predicate holds.
// - AssociationArrayControllerHostBusAdapter: a controller of a storage system to the host bus
//   adapters through which it is reached (ASSOCIATION_INTERCONNECT_PATH); scope: the root.
// - AssociationArrayControllerPhysicalDrive / AssociationStorageSystemPhysicalDrive: a controller
//   / storage system to its unassigned physical drives (ASSOCIATION_UNASSIGNED_PHYSICAL_DRIVE).
// - AssociationLogicalDriveInitiator / AssociationStorageSystemInitiator: a logical drive / a
//   storage system to the initiators its access-control list grants that drive / any drive
//   (ASSOCIATION_INITIATOR_WITH_ACCESS).
#ifndef VNL_OPERATIONS_SCOPEDASSOCIATIONS_H
#define VNL_OPERATIONS_SCOPEDASSOCIATIONS_H

#include "operations/associationoperation.h"
#include "operations/associationpredicates.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemalogicaldrive.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"

namespace Operations {

namespace Types = Interface::MORUMod;
namespace Names = Interface::StorageMod;

using AssociationArrayControllerHostBusAdapter =
    ScopedAssociation<Schema::ArrayController, Names::OPERATION_ASSOCIATION_ARRAY_CONTROLLER_HOST_BUS_ADAPTER,
                      ArrayControllerToHostBusAdapterInterconnectPathPredicate, ROOT_SCOPE, Types::ATTR_VALUE_TYPE_HBA>;
using AssociationArrayControllerPhysicalDrive =
    ScopedAssociation<Schema::ArrayController, Names::OPERATION_ASSOCIATION_ARRAY_CONTROLLER_PHYSICAL_DRIVE,
                      ArrayControllerUnassignedDrivePredicate, Types::ATTR_VALUE_TYPE_ARRAY_CONTROLLER,
                      Types::ATTR_VALUE_TYPE_PHYSICAL_DRIVE>;
using AssociationStorageSystemPhysicalDrive =
    ScopedAssociation<Schema::StorageSystem, Names::OPERATION_ASSOCIATION_STORAGE_SYSTEM_PHYSICAL_DRIVE,
                      StorageSystemUnassignedDrivePredicate, Types::ATTR_VALUE_TYPE_STORAGE_SYSTEM,
                      Types::ATTR_VALUE_TYPE_PHYSICAL_DRIVE>;
using AssociationLogicalDriveInitiator =
    ScopedAssociation<Schema::LogicalDrive, Names::OPERATION_ASSOCIATION_LOGICAL_DRIVE_INITIATOR,
                      LunInitiatorWithAccessPredicate, Types::ATTR_VALUE_TYPE_STORAGE_SYSTEM,
                      Types::ATTR_VALUE_TYPE_INITIATOR>;
using AssociationStorageSystemInitiator =
    ScopedAssociation<Schema::StorageSystem, Names::OPERATION_ASSOCIATION_STORAGE_SYSTEM_INITIATOR,
                      InitiatorWithAccessPredicate, Types::ATTR_VALUE_TYPE_STORAGE_SYSTEM,
                      Types::ATTR_VALUE_TYPE_INITIATOR>;

} // namespace Operations

#endif
