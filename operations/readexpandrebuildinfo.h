// Operations::ReadExpandRebuildInfo (OPERATION_READ_EXPAND_REBUILD_INFO) - refreshes only the
// rebuild and expand progress of a logical drive, from one logical drive status command.
//
// It is the last reader of a logical drive in a rescan: afterwards the reply cache forgets the
// drive's answers, so that refreshing the drive later asks the controller again.
#ifndef VNL_OPERATIONS_READEXPANDREBUILDINFO_H
#define VNL_OPERATIONS_READEXPANDREBUILDINFO_H

#include "operations/readoperation.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {

class ReadExpandRebuildInfo : public Schema::VisitorLogicalDrive,
                              public ReadOperation<Interface::StorageMod::OPERATION_READ_EXPAND_REBUILD_INFO> {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;
};

} // namespace Operations

#endif
