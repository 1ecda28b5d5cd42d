// Operations::WriteManageBoxName (OPERATION_WRITE_MANAGE_BOX_NAME) - names the chassis of a
// storage system.
//
// What a caller may rely on:
// - ATTR_NAME_BOX_NAME is required (ATTR_VALUE_STATUS_ARGUMENT_MISSING without it). The name
//   field of the controller parameters is cleared, then at most MAXIMUM_LENGTH characters of
//   the name are written; the rest of the parameters go back as the controller gave them.
// - getCapabilityPtr gives the argument's class with ATTR_NAME_MAXIMUM_VALUE = MAXIMUM_LENGTH.
#ifndef VNL_OPERATIONS_WRITEMANAGEBOXNAME_H
#define VNL_OPERATIONS_WRITEMANAGEBOXNAME_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteManageBoxName : public Schema::VisitorStorageSystem,
                           public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MANAGE_BOX_NAME> {
public:
    static constexpr unsigned MAXIMUM_LENGTH = 20;

    Core::OperationReturn visit(Schema::StorageSystem& system) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;
};

} // namespace Operations

#endif
