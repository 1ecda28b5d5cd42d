// Operations::WriteSetLogicalDriveName (OPERATION_WRITE_SET_LOGICAL_DRIVE_NAME) - labels a
// logical drive.
//
// What a caller may rely on: ATTR_NAME_LOGICAL_DRIVE_NAME is required
// (ATTR_VALUE_STATUS_ARGUMENT_MISSING without it); at most 64 characters of it are written. The
// label command carries the drive's volume identifier, read with identify logical drive first,
// so that the controller labels no other drive should the numbers have changed meanwhile.
#ifndef VNL_OPERATIONS_WRITESETLOGICALDRIVENAME_H
#define VNL_OPERATIONS_WRITESETLOGICALDRIVENAME_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class WriteSetLogicalDriveName : public Schema::VisitorLogicalDrive,
                                 public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_SET_LOGICAL_DRIVE_NAME> {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;
};

} // namespace Operations

#endif
