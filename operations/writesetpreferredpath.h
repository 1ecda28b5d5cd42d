// Operations::WriteSetPreferredPath (OPERATION_WRITE_SET_PREFERRED_PATH) - chooses the controller
// of a storage system through which a logical drive is reached in asymmetrical active-active
// mode, by the controller's chassis slot.
//
// What a caller may rely on:
// - ATTR_NAME_IO_SLOT is "0" or "1" (the chassis slot from 0); anything else, or no value, is
//   ATTR_VALUE_STATUS_ARGUMENT_INVALID or _ARGUMENT_MISSING naming it. The redundant controller
//   parameters are sensed and set back with the drive's bit of dwPrefferedLunOwnership (bit n
//   = logical drive n) set for slot 1 and cleared for slot 0; the other drives keep theirs.
// - Offered only in asymmetrical active-active mode (ActiveActiveFilter). getCapabilityPtr
//   offers the slots of the storage system's controllers, the drive's present one current.
#ifndef VNL_OPERATIONS_WRITESETPREFERREDPATH_H
#define VNL_OPERATIONS_WRITESETPREFERREDPATH_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class WriteSetPreferredPath : public Schema::VisitorLogicalDrive,
                              public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_SET_PREFERRED_PATH> {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
