// Operations::WriteCreateInitiator (OPERATION_WRITE_CREATE_INITIATOR) - makes a host initiator
// known to a storage system before it has logged in, optionally with a connection name.
//
// What a caller may rely on:
// - ATTR_NAME_INITIATOR_ID is required: 16 hexadecimal digits, not all zero (the identifier as
//   the initiator lists show it); anything else is ATTR_VALUE_STATUS_ARGUMENT_INVALID or
//   _ARGUMENT_MISSING naming it. ATTR_NAME_CONNECTION_NAME is optional (no name without it).
// - The initiator goes into the controller's connection-name table (operations/servernames.h);
//   an initiator the table already holds is only renamed.
// - Offered on storage systems that report an SSP state (SspFilter).
#ifndef VNL_OPERATIONS_WRITECREATEINITIATOR_H
#define VNL_OPERATIONS_WRITECREATEINITIATOR_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteCreateInitiator : public Schema::VisitorStorageSystem,
                             public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_CREATE_INITIATOR> {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
