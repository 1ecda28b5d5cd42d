// Operations::WriteDeviceBlink (OPERATION_WRITE_DEVICE_BLINK) - lights the identification LEDs
// of the physical drives that make up a device, or puts them out.
//
// What a caller may rely on:
// - ATTR_NAME_BLINK_INTERVAL is required: the seconds the LEDs blink, 0 to put them out
//   (ATTR_VALUE_STATUS_ARGUMENT_MISSING or _ARGUMENT_INVALID naming it). ATTR_NAME_UNIQUE_ID
//   names the device whose drives are meant, at or below the device performing (that device
//   itself when absent; ATTR_VALUE_STATUS_ARGUMENT_INVALID when nothing there has it).
// - The drives of a device: a physical drive itself; the data and spare drives of an array, or
//   of a logical drive's array; every physical drive below anything else.
// - The maintenance block is sensed and set back: bDrive[index] = 1 for each drive that is to
//   blink, 0 for each that is to go out, dwDuration = the interval and dwElapsed = 0. With
//   ATTR_NAME_CONCATENATE = ATTR_VALUE_CONCATENATE_TRUE the drives already blinking go on;
//   otherwise only the drives meant here blink. When no drive is left blinking, dwDuration is 0.
#ifndef VNL_OPERATIONS_WRITEDEVICEBLINK_H
#define VNL_OPERATIONS_WRITEDEVICEBLINK_H

#include "common/containers.h"
#include "controller/bmicdevice.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarray.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemadrivecage.h"
#include "schema/schemalogicaldrive.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/schemastorageenclosure.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteDeviceBlink : public Schema::VisitorStorageSystem,
                         public Schema::VisitorArrayController,
                         public Schema::VisitorArray,
                         public Schema::VisitorLogicalDrive,
                         public Schema::VisitorPhysicalDrive,
                         public Schema::VisitorStorageEnclosure,
                         public Schema::VisitorDriveCage,
                         public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_DEVICE_BLINK> {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::Array& array) override;
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;
    Core::OperationReturn visit(Schema::PhysicalDrive& drive) override;
    Core::OperationReturn visit(Schema::StorageEnclosure& enclosure) override;
    Core::OperationReturn visit(Schema::DriveCage& cage) override;

private:
    Core::OperationReturn blink(Core::Device& device, BMICDevice& channel) const;
};

} // namespace Operations

#endif
