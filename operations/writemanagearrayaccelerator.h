// Operations::WriteManageArrayAccelerator (OPERATION_WRITE_MANAGE_ARRAY_ACCELERATOR) - turns
// the array accelerator (the controller's cache) on or off per logical drive.
//
// What a caller may rely on:
// - Each argument ATTR_NAME_UNIQUE_ID names a logical drive below the controller or storage
//   system; its action says what happens to it: ACTION_SET (8) and ACTION_MODIFY (2) make the
//   named drives exactly the enabled ones, ACTION_ADD (1) enables the drive and ACTION_REMOVE
//   (4) disables it, the other drives keeping their setting. An identifier of no logical drive
//   there is ATTR_VALUE_STATUS_ARGUMENT_INVALID and nothing is written.
// - One sense and one set of the cache configuration; a buffer underrun counts as success.
// - Offered only where a cache board is present
//   (ATTR_VALUE_UNAVAILABLE_REASON_CACHE_BOARD_NOT_PRESENT otherwise).
#ifndef VNL_OPERATIONS_WRITEMANAGEARRAYACCELERATOR_H
#define VNL_OPERATIONS_WRITEMANAGEARRAYACCELERATOR_H

#include <cstdint>

#include "controller/bmicdevice.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteManageArrayAccelerator
    : public Schema::VisitorArrayController,
      public Schema::VisitorStorageSystem,
      public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MANAGE_ARRAY_ACCELERATOR> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::StorageSystem& system) override;

protected:
    Core::FilterPtr pFilterImpl() const override;

private:
    Core::OperationReturn manage(Core::Device& scope, BMICDevice& channel) const;
    // The set after the arguments, starting from what the controller reports `current`.
    bool enabledSet(const Core::Device& scope, std::uint32_t current, std::uint32_t& enabled) const;
};

} // namespace Operations

#endif
