// Operations::WriteManageControllerParameters (OPERATION_WRITE_MANAGE_CONTROLLER_PARAMETERS) -
// changes the cache ratio, the rebuild and expand priority and the surface scan delay of an
// array controller or a storage system.
//
// What a caller may rely on:
// - Every argument is optional; only those given are written. ATTR_NAME_CACHE_RATIO is
//   "ATTR_VALUE_CACHE_RATIO_<read>_<write>"; the write share of the total cache memory goes
//   to writing (truncated), the rest to reading, or nothing to reading when the read share
//   is 0. A ratio that does not read as two percentages is ATTR_VALUE_STATUS_ARGUMENT_INVALID.
// - Both priorities go to the controller in one set-controller-parameters command; high is
//   0x76, medium 0x40, anything else low (0).
// - ATTR_NAME_SURFACE_ANALYSIS_DELAY is in seconds; 0, more than 30, or a value that is not a
//   16-bit number is written as 30. The controller keeps it in tenths of a second.
// - Steps run in that order, each only while the ones before succeeded; the first failing
//   command's status is the return. A buffer underrun on the cache write counts as success.
// - getCapabilityPtr is the controller's settings tree (operations/readcontrollerfacts.h),
//   with the device's current and default values.
#ifndef VNL_OPERATIONS_WRITEMANAGECONTROLLERPARAMETERS_H
#define VNL_OPERATIONS_WRITEMANAGECONTROLLERPARAMETERS_H

#include "controller/bmicdevice.h"
#include "controller/bmiclayouts.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteManageControllerParameters
    : public Schema::VisitorArrayController,
      public Schema::VisitorStorageSystem,
      public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MANAGE_CONTROLLER_PARAMETERS> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::StorageSystem& system) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

private:
    Core::OperationReturn visitBMICDevice(BMICDevice& channel) const;
    Core::OperationReturn setCacheRatio(BMICDevice& channel, CACHE_CONFIG_STATUS cache) const;
    bool setPriorities(CONTROLLER_PARAMETERS& parameters) const;
    Core::OperationReturn setSurfaceDelay(BMICDevice& channel) const;
};

} // namespace Operations

#endif
