// Operations::ReadArrayControllerInfo (OPERATION_READ_ARRAY_CONTROLLER_INFO) - reads what an
// array controller says about itself: identity and firmware, serial numbers, redundancy, cache
// and batteries, rebuild and expand priority, surface scan delay.
//
// What a caller may rely on:
// - It is the first operation of every rescan of a controller. Its questions go through the
//   reply cache (operations/replycache.h): what the discovery of the same rescan already asked
//   the controller is not asked again, and later readers of the rescan reuse its answers.
// - The controller's status starts as ATTR_VALUE_STATUS_OK; it becomes ATTR_VALUE_STATUS_NOT_OK
//   with the reason in ATTR_NAME_CONTROLLER_STATE for a model whose firmware 2.04 must be
//   upgraded, a SCSI-attached controller whose host adapter has no access identifier, a logical
//   drive written by a newer configuration tool (reading stops there, successfully), and any
//   failing command (ATTR_VALUE_CONTROLLER_STATE_CONTROLLER_COMMUNICATION_ERROR; the return is
//   that command's failure and the facts read before it stay).
// - Redundancy facts are read for a remote controller only, priorities and the surface scan
//   delay for a local controller only.
// - It asks only what the read scope (operations/readscope.h) takes in: a controller's settings
//   (cache, parameters, surface scan) only in the whole scope, the check of its logical drives
//   and host adapter in every scope but the identity one.
// - getCapabilityPtr describes the settings the controller offers with their current and
//   default values (operations/readcontrollerfacts.h).
#ifndef VNL_OPERATIONS_READARRAYCONTROLLERINFO_H
#define VNL_OPERATIONS_READARRAYCONTROLLERINFO_H

#include "controller/bmiclayouts.h"
#include "operations/readoperation.h"
#include "schema/schemaarraycontroller.h"
#include "schema/storagemod.h"

namespace Operations {

class ReadArrayControllerInfo : public Schema::VisitorArrayController,
                                public ReadOperation<Interface::StorageMod::OPERATION_READ_ARRAY_CONTROLLER_INFO> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

    // Logical drives whose configuration a newer configuration tool wrote (a major version above
    // this) cannot be handled safely.
    static constexpr unsigned MAX_CONFIG_MOD_MAJOR_VERSION = 9;

private:
    void checkFirmwareDefect(Schema::ArrayController& controller) const;
    void checkHBAAccessID(Schema::ArrayController& controller, Core::OperationReturn& result) const;
    bool checkConfigModMajorVersionInfo(Schema::ArrayController& controller, const IDENTIFY_CONTROLLER& identify,
                                        Core::OperationReturn& result) const;
    void readSettings(Schema::ArrayController& controller, Core::OperationReturn& result) const;
    void readRedundancy(Schema::ArrayController& controller, Core::OperationReturn& result) const;
};

} // namespace Operations

#endif
