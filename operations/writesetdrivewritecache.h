// Operations::WriteSetDriveWriteCache (OPERATION_WRITE_SET_DRIVE_WRITE_CACHE) - turns the write
// caches of a storage system's physical drives on or off.
//
// What a caller may rely on:
// - ATTR_NAME_DRIVE_WRITE_CACHE is required (ATTR_VALUE_STATUS_ARGUMENT_MISSING without it);
//   ATTR_VALUE_DRIVE_WRITE_CACHE_ENABLED turns the caches on, any other value off. Only bit 0 of
//   the drive configuration flags changes; the rest of the controller parameters go back as
//   the controller gave them.
// - getCapabilityPtr offers enabled and disabled, the system's present state as current and
//   disabled (the safe state without redundant power) as default.
#ifndef VNL_OPERATIONS_WRITESETDRIVEWRITECACHE_H
#define VNL_OPERATIONS_WRITESETDRIVEWRITECACHE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteSetDriveWriteCache : public Schema::VisitorStorageSystem,
                                public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_SET_DRIVE_WRITE_CACHE> {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;
};

} // namespace Operations

#endif
