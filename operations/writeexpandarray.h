// Operations::WriteExpandArray (OPERATION_WRITE_EXPAND_ARRAY) - adds unassigned physical drives to
// an array: every logical drive of the array is spread over the old and new drives together
// (a RAID 1+0 drive that an odd drive count cannot mirror becomes RAID 6, or RAID 5), through the
// planner (VirtualArray).
//
// What a caller may rely on:
// - Arguments: one ATTR_NAME_UNIQUE_ID per drive to add (ATTR_VALUE_STATUS_ARGUMENT_MISSING
//   without any). A drive that is not below the array's controller, or not unassigned, is
//   ATTR_VALUE_STATUS_ARGUMENT_INVALID naming the argument; nothing is sent then.
// - A plan the planner refuses (it does not fit, or cannot be carried out without overwriting
//   data) is ATTR_VALUE_STATUS_FAILURE with nothing sent; otherwise the result is that of
//   VirtualArray::save.
// - Capability: ATTR_NAME_UNIQUE_ID, several values, one instance per unassigned drive of the
//   array's interface at least as big as its smallest drive; ATTR_NAME_CARDINALITY_MULTIPLE_MAXIMUM
//   is how many drives may still be added (the controller's limit of drives per logical drive,
//   less the array's drives), when the controller reports one.
// - It applies where FilterTransformationCapable accepts.
#ifndef VNL_OPERATIONS_WRITEEXPANDARRAY_H
#define VNL_OPERATIONS_WRITEEXPANDARRAY_H

#include "core/capability.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarray.h"

namespace Operations {

class WriteExpandArray : public Schema::VisitorArray,
                         public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_EXPAND_ARRAY>,
                         public Core::CapabilityPublisher {
public:
    Core::OperationReturn visit(Schema::Array& array) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

protected:
    Core::FilterPtr pFilterImpl() const override;

private:
    Core::OperationReturn addedDrives(const Schema::Array& array, Schema::Array::DriveSet& added) const;
};

} // namespace Operations

#endif
