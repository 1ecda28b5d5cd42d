// Operations::WriteManageConnectionName (OPERATION_WRITE_MANAGE_CONNECTION_NAME) - names a host
// initiator of a storage system, or removes its name.
//
// What a caller may rely on:
// - ATTR_NAME_CONNECTION_NAME is required (ATTR_VALUE_STATUS_ARGUMENT_MISSING without it); an
//   empty value removes the name. The name goes into the controller's connection-name table
//   (operations/servernames.h), which refuses a name longer than MAX_NAME_LENGTH.
// - getCapabilityPtr gives the argument's class with ATTR_NAME_MAXIMUM_VALUE = MAX_NAME_LENGTH.
#ifndef VNL_OPERATIONS_WRITEMANAGECONNECTIONNAME_H
#define VNL_OPERATIONS_WRITEMANAGECONNECTIONNAME_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemainitiator.h"

namespace Operations {

class WriteManageConnectionName : public Schema::VisitorInitiator,
                                  public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MANAGE_CONNECTION_NAME> {
public:
    Core::OperationReturn visit(Schema::Initiator& initiator) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;
};

} // namespace Operations

#endif
