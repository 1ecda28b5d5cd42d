// Operations::WriteUnlockStorageSystem - gives back this host's configuration lock of an
// external storage system. Like the lock operation it publishes the state the system answers
// with as ATTR_NAME_LOCK_STATE; the lock is free once that reads
// ATTR_VALUE_LOCK_STATE_LOCKED_BY_NONE.
#ifndef VNL_OPERATIONS_WRITEUNLOCKSTORAGESYSTEM_H
#define VNL_OPERATIONS_WRITEUNLOCKSTORAGESYSTEM_H

#include "core/deviceoperation.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteUnlockStorageSystem : public Core::DeviceOperation, public Schema::VisitorStorageSystem {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_WRITE; }
};

} // namespace Operations

#endif
