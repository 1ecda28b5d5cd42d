// Operations::WriteRenumberLogicalDrive (OPERATION_WRITE_REORDER_LOGICAL_DRIVE) - gives a logical
// drive another number; the drive that had that number takes the old one.
//
// What a caller may rely on: ATTR_NAME_DRIVE_NUMBER is the new number, from 0 to 31
// (ATTR_VALUE_STATUS_ARGUMENT_MISSING or _ARGUMENT_INVALID naming it otherwise). One reorder
// command whose table is zero but for entry[old] = new and entry[new] = old. The tree keeps the
// old numbers until the caller rescans.
#ifndef VNL_OPERATIONS_WRITERENUMBERLOGICALDRIVE_H
#define VNL_OPERATIONS_WRITERENUMBERLOGICALDRIVE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class WriteRenumberLogicalDrive : public Schema::VisitorLogicalDrive,
                                  public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_REORDER_LOGICAL_DRIVE> {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;
};

} // namespace Operations

#endif
