// Operations::WriteCreateArray (OPERATION_WRITE_CREATE_ARRAY) - makes a new array of unassigned
// physical drives below an array controller or a storage system.
//
// What a caller may rely on:
// - Nothing is sent: a controller knows an array only by the logical drives written on it, so
//   the array lives in the tree until its first logical drive is created (and rescans keep it,
//   operations/arrayinfo.h).
// - Arguments: one ATTR_NAME_UNIQUE_ID per physical drive to take (the drive's unique
//   identifier). A drive found below the device is marked ATTR_VALUE_DRIVE_TYPE_DATA; an
//   identifier that names no physical drive makes the result ATTR_VALUE_STATUS_ARGUMENT_INVALID
//   (ATTR_NAME_ARGUMENT_NAME = ATTR_NAME_UNIQUE_ID) and no array is made, no drive marked. No argument at all
//   is ATTR_VALUE_STATUS_ARGUMENT_MISSING.
// - On success the new array's number (the count of arrays the device held) is in the result
//   as ATTR_NAME_ARRAY_NUMBER, and the array has its write operations at once.
// - It applies where an unassigned drive is left (FilterCreateArray).
#ifndef VNL_OPERATIONS_WRITECREATEARRAY_H
#define VNL_OPERATIONS_WRITECREATEARRAY_H

#include "core/deviceoperation.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteCreateArray : public Schema::VisitorArrayController,
                         public Schema::VisitorStorageSystem,
                         public Core::DeviceOperation {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::StorageSystem& storageSystem) override;

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_WRITE; }
    Core::FilterPtr pFilterImpl() const override;

private:
    Core::OperationReturn create(Core::Device& device);
};

} // namespace Operations

#endif
