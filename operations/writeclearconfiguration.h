// Operations::WriteClearConfiguration (OPERATION_WRITE_CLEAR_CONFIGURATION) - deletes every
// logical drive, and so every array, of a controller or a storage system.
//
// What a caller may rely on: the logical drives are deleted as by WriteDeleteArray, each array
// from its end backwards (WriteDeleteLogicalDrive::DeleteAll), the first failure ending the
// operation; once none is left the controller's settings go back to their defaults
// (WriteDeleteLogicalDrive::ResetDefaults). A controller without logical drives is sent
// nothing. The tree is left for the caller's rescan.
#ifndef VNL_OPERATIONS_WRITECLEARCONFIGURATION_H
#define VNL_OPERATIONS_WRITECLEARCONFIGURATION_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteClearConfiguration : public Schema::VisitorArrayController,
                                public Schema::VisitorStorageSystem,
                                public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_CLEAR_CONFIGURATION> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::StorageSystem& system) override;
};

} // namespace Operations

#endif
