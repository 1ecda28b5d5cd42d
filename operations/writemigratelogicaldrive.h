// Operations::WriteMigrateLogicalDrive (OPERATION_WRITE_MIGRATE_LOGICAL_DRIVE) - changes a
// logical drive's RAID level or stripe size in place; the logical drives after it move when its
// extent grows or shrinks, through the planner (VirtualArray).
//
// What a caller may rely on:
// - Arguments ATTR_NAME_RAID (a level value) and ATTR_NAME_STRIPE_SIZE (blocks); each left out
//   keeps the drive's present one. A level the array's drive count does not make, or a stripe
//   size that is not a 16-bit count above 0, is ATTR_VALUE_STATUS_ARGUMENT_INVALID.
// - A plan the planner refuses (a stripe change beyond the controller's transformation cache,
//   drives that do not fit) is ATTR_VALUE_STATUS_FAILURE with nothing sent; otherwise the
//   result is that of VirtualArray::save.
// - Capability: ATTR_NAME_RAID with the controller's levels the array's drive count makes, the
//   present one current and default; below each, ATTR_NAME_STRIPE_SIZE with the controller's
//   stripe sizes, the present one current and (when offered) default.
// - It applies where FilterTransformationCapable accepts.
#ifndef VNL_OPERATIONS_WRITEMIGRATELOGICALDRIVE_H
#define VNL_OPERATIONS_WRITEMIGRATELOGICALDRIVE_H

#include "core/capability.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class WriteMigrateLogicalDrive : public Schema::VisitorLogicalDrive,
                                 public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MIGRATE_LOGICAL_DRIVE>,
                                 public Core::CapabilityPublisher {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
