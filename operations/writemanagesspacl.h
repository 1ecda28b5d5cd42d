// Operations::WriteManageSSPACL (OPERATION_WRITE_MANAGE_SSP_ACL) - grants or takes away the
// access of initiators to one logical drive of a storage system.
//
// What a caller may rely on:
// - Each argument ATTR_NAME_UNIQUE_ID names an initiator of the drive's storage system by its
//   unique identifier; ACTION_REMOVE takes its access to the drive away, any other action grants
//   it. The arguments apply in the order given. An initiator that is not in the tree is
//   ATTR_VALUE_STATUS_ARGUMENT_INVALID naming the argument, and nothing is written.
// - The access list is read once and sent back whole with its SSP state unchanged: other drives
//   and other initiators keep their access.
// - Offered on the logical drives of storage systems that report an SSP state (SspFilter).
#ifndef VNL_OPERATIONS_WRITEMANAGESSPACL_H
#define VNL_OPERATIONS_WRITEMANAGESSPACL_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class WriteManageSSPACL : public Schema::VisitorLogicalDrive,
                          public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MANAGE_SSP_ACL> {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
