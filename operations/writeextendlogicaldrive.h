// Operations::WriteExtendLogicalDrive (OPERATION_WRITE_EXTEND_LOGICAL_DRIVE) - grows a logical
// drive into its array's free space; the logical drives after it move up to make room, through
// the planner (VirtualArray).
//
// What a caller may rely on:
// - Argument ATTR_NAME_USEABLE_BLOCKS: the new size in blocks (the capability's maximum when
//   left out). Below the boot boundary it is rounded down to whole cylinders. A size that is
//   not a count, or smaller than the drive is now, is ATTR_VALUE_STATUS_ARGUMENT_INVALID.
// - A plan the planner refuses (the drives do not fit) is ATTR_VALUE_STATUS_FAILURE with nothing
//   sent; otherwise the result is that of VirtualArray::save.
// - Capability: ATTR_NAME_USEABLE_BLOCKS, an open range from the present size to the largest
//   size the array's free space allows, which is also its default; none when the drive cannot
//   grow.
// - It applies where FilterTransformationCapable accepts.
#ifndef VNL_OPERATIONS_WRITEEXTENDLOGICALDRIVE_H
#define VNL_OPERATIONS_WRITEEXTENDLOGICALDRIVE_H

#include "core/capability.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class WriteExtendLogicalDrive : public Schema::VisitorLogicalDrive,
                                public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_EXTEND_LOGICAL_DRIVE>,
                                public Core::CapabilityPublisher {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
