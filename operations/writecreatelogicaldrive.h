// Operations::WriteCreateLogicalDrive (OPERATION_WRITE_CREATE_LOGICAL_DRIVE) - carves a new
// logical drive out of an array's free space by writing its configuration record.
//
// What a caller may rely on:
// - Arguments: ATTR_NAME_RAID (a level value), ATTR_NAME_STRIPE_SIZE (blocks),
//   ATTR_NAME_USEABLE_BLOCKS (blocks), ATTR_NAME_SECTORS (32 or 63) and, optionally,
//   ATTR_NAME_ARRAY_ACCELERATOR. Those left out take the defaults of getCapabilityPtr
//   (operations/createlogicaldrivecapability.h). A level the array's drive count does not
//   make, a stripe size that is not a 16-bit count above 0, other sectors, or a size below
//   the smallest logical drive is ATTR_VALUE_STATUS_ARGUMENT_INVALID naming the argument;
//   a value that cannot be defaulted is ATTR_VALUE_STATUS_ARGUMENT_MISSING.
// - The new drive takes the lowest logical drive number the controller does not use. A number
//   the controller reports as already configured gives ATTR_VALUE_STATUS_FAILURE with nothing
//   written.
// - The size is rounded down to whole cylinders while it fits 65535 cylinders of 255 heads;
//   larger drives are written in the big-drive form (64-bit block count).
// - Every command that writes drops the reply cache (executeWriteCommand). A failing command
//   ends the operation with its failure in the return; the accelerator step's low-level buffer
//   underrun counts as success.
// - After the controller's first logical drive its arrays are rediscovered and its own facts
//   read again (WriteDeleteLogicalDrive::ResetDefaults); other creates leave the tree for the
//   caller's rescan. The controller's SCSI bus is rescanned, and the result carries
//   ATTR_NAME_DRIVE_NUMBER = the new number.
// - It applies to arrays with room for a logical drive (FilterCreateLogicalDrive).
#ifndef VNL_OPERATIONS_WRITECREATELOGICALDRIVE_H
#define VNL_OPERATIONS_WRITECREATELOGICALDRIVE_H

#include "controller/bmiclayouts.h"
#include "core/deviceoperation.h"
#include "schema/schemaarray.h"

namespace Operations {

class WriteCreateLogicalDrive : public Schema::VisitorArray,
                                public Core::DeviceOperation,
                                public Core::CapabilityPublisher {
public:
    Core::OperationReturn visit(Schema::Array& array) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

    // The lowest number no logical drive below `controller` has.
    static unsigned lowestFreeNumber(const Core::Device& controller);

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_WRITE; }
    Core::FilterPtr pFilterImpl() const override;

private:
    // The arguments, checked.
    struct Request {
        unsigned faultTolerance = 0;
        bool raid6 = false;
        unsigned stripe = 0;
        unsigned long long blocks = 0;
        unsigned sectors = 0;
    };
    Core::OperationReturn readRequest(const Schema::Array& array, Request& request) const;
    static void fillRecord(LOGICAL_DRIVE_CONFIG& config, const Schema::Array& array, const Core::Device& controller,
                           const Request& request);
    Core::OperationReturn setAccelerator(Schema::Array& array, unsigned number) const;
    static Core::OperationReturn afterFirstLogicalDrive(Schema::Array& array, Core::Device& controller);
};

} // namespace Operations

#endif
