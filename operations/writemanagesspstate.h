// Operations::WriteManageSSPState (OPERATION_WRITE_MANAGE_SSP_STATE) - switches selective
// storage presentation of a storage system on or off.
//
// What a caller may rely on:
// - ATTR_NAME_SSP_STATE is ATTR_VALUE_SSP_STATE_ENABLED or _DISABLED; anything else, or no
//   value, is ATTR_VALUE_STATUS_ARGUMENT_INVALID or _ARGUMENT_MISSING naming it.
// - Switching on reads the access list and sends it back whole with SSP on, so every initiator
//   keeps the access it had; switching off sends SSP2DisableACL alone and leaves the list to
//   the controller.
// - Offered on storage systems that report an SSP state (SspFilter).
#ifndef VNL_OPERATIONS_WRITEMANAGESSPSTATE_H
#define VNL_OPERATIONS_WRITEMANAGESSPSTATE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteManageSSPState : public Schema::VisitorStorageSystem,
                            public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MANAGE_SSP_STATE> {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
