// Operations::WriteSetDeviceBootable (OPERATION_WRITE_SET_DEVICE_BOOTABLE) - lets the system
// boot from a logical drive of a controller or storage system.
//
// What a caller may rely on: ATTR_NAME_UNIQUE_ID names the logical drive below the device
// (ATTR_VALUE_STATUS_ARGUMENT_MISSING without it, _ARGUMENT_INVALID when no logical drive there
// has it). The drive's configuration is sensed and set back with bit 0 of bBIOSDisableFlag
// cleared; every other field goes back as the controller gave it.
#ifndef VNL_OPERATIONS_WRITESETDEVICEBOOTABLE_H
#define VNL_OPERATIONS_WRITESETDEVICEBOOTABLE_H

#include "controller/bmicdevice.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteSetDeviceBootable : public Schema::VisitorArrayController,
                               public Schema::VisitorStorageSystem,
                               public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_SET_DEVICE_BOOTABLE> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::StorageSystem& system) override;

private:
    Core::OperationReturn makeBootable(Core::Device& scope, BMICDevice& channel) const;
};

} // namespace Operations

#endif
