// Operations::WriteManageSpareDrive (OPERATION_WRITE_MANAGE_SPARE_DRIVE) - gives an array its
// spare drives: the complete new set, so that a drive left out stops being the array's spare.
//
// What a caller may rely on:
// - Every ATTR_NAME_UNIQUE_ID argument names a physical drive of the array's controller (or
//   storage system); one that names none is ATTR_VALUE_STATUS_ARGUMENT_INVALID with nothing
//   sent. No argument at all removes every spare.
// - Only drives whose status is OK become spares: a failed spare passed back in the set is
//   dropped from it. They are marked ATTR_VALUE_DRIVE_TYPE_SPARE and the array's spare set
//   becomes theirs (SpareDriveListIs).
// - Each logical drive of the array that is not RAID 0 has its record sensed and sent back with
//   the new spare set; RAID 0 logical drives are left alone. The first failing command ends the
//   operation with its status; the tree is left for the caller's rescan.
// - Offered on arrays with a fault-tolerant logical drive
//   (ATTR_VALUE_UNAVAILABLE_REASON_NEEDS_FAULT_TOLERANT_LOGICAL_DRIVE otherwise).
#ifndef VNL_OPERATIONS_WRITEMANAGESPAREDRIVE_H
#define VNL_OPERATIONS_WRITEMANAGESPAREDRIVE_H

#include "core/filter.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarray.h"

namespace Operations {

class WriteManageSpareDrive : public Schema::VisitorArray,
                              public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MANAGE_SPARE_DRIVE> {
public:
    Core::OperationReturn visit(Schema::Array& array) override;

    class FaultTolerantArrayFilter : public Core::Filter {
    protected:
        Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
    };

protected:
    Core::FilterPtr pFilterImpl() const override;

private:
    // The drives the arguments name, as a drive set; false when one names no drive.
    bool readSpares(const Core::Device& scope, Schema::Array::DriveSet& spares) const;
};

} // namespace Operations

#endif
