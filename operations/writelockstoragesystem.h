// Operations::WriteLockStorageSystem - takes the configuration lock of an external storage
// system for this host, so that no other host changes it meanwhile.
//
// The storage system answers every lock-management request with the lock's state, which the
// operation publishes on the system as ATTR_NAME_LOCK_STATE: ATTR_VALUE_LOCK_STATE_LOCKED_BY_THIS,
// ATTR_VALUE_LOCK_STATE_LOCKED_BY_NONE or ATTR_VALUE_LOCK_STATE_LOCKED_BY_OTHER. A request the
// system refuses leaves the state alone and reports the command's failure. Success of the
// operation alone does not mean the lock is held: another host may hold it; read the state.
// Like every write, the request drops the answers the reply cache kept (executeWriteCommand).
#ifndef VNL_OPERATIONS_WRITELOCKSTORAGESYSTEM_H
#define VNL_OPERATIONS_WRITELOCKSTORAGESYSTEM_H

#include <cstdint>

#include "core/deviceoperation.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteLockStorageSystem : public Core::DeviceOperation, public Schema::VisitorStorageSystem {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_WRITE; }
};

// Sends one lock-management request with `detail` through the system's channel and publishes
// the lock state it answers with.
Core::OperationReturn ManageStorageSystemLock(Schema::StorageSystem& system, std::uint32_t detail);

// The lock state for the word a storage system answers with.
const char* lockStateOf(std::uint32_t word);

} // namespace Operations

#endif
