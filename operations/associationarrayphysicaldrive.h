// Operations::AssociationArrayPhysicalDrive - links an array to its data drives
// (ASSOCIATION_DATA_DRIVE) and its spare drives (ASSOCIATION_SPARE_DRIVE), among the physical
// drives of the box the array belongs to (its storage system, or else its controller), looked
// up by drive index (BoxDrives).
#ifndef VNL_OPERATIONS_ASSOCIATIONARRAYPHYSICALDRIVE_H
#define VNL_OPERATIONS_ASSOCIATIONARRAYPHYSICALDRIVE_H

#include "operations/associationoperation.h"
#include "schema/schemaarray.h"
#include "schema/storagemod.h"

namespace Operations {

class AssociationArrayPhysicalDrive
    : public AssociationOperation<Schema::Array, Interface::StorageMod::OPERATION_ASSOCIATION_ARRAY_PHYSICAL_DRIVE> {
protected:
    void associate(const Core::DevicePtr& array) override;

private:
    void linkBothWays(const char* name, const Core::DevicePtr& array, const Core::DeviceList& drives);
};

} // namespace Operations

#endif
