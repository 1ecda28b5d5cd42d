// Operations::AssociationPhysicalDrivePhysicalDrive - links a data drive to the spare that
// stands in for it (ASSOCIATION_ACTIVE_SPARE), by what the logical drives of its box (storage
// system, or else controller) list as active spares (looked up by drive index: BoxDrives). Only
// data drives are looked at.
#ifndef VNL_OPERATIONS_ASSOCIATIONPHYSICALDRIVEPHYSICALDRIVE_H
#define VNL_OPERATIONS_ASSOCIATIONPHYSICALDRIVEPHYSICALDRIVE_H

#include "operations/associationoperation.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {

class AssociationPhysicalDrivePhysicalDrive
    : public AssociationOperation<Schema::PhysicalDrive,
                                  Interface::StorageMod::OPERATION_ASSOCIATION_PHYSICAL_DRIVE_PHYSICAL_DRIVE> {
protected:
    void associate(const Core::DevicePtr& drive) override;
};

} // namespace Operations

#endif
