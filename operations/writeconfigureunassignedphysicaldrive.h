// Operations::WriteConfigureUnassignedPhysicalDrive
// (OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE) - turns every unassigned physical drive
// of a controller or storage system into one new array holding one logical drive of the largest
// size.
//
// What a caller may rely on:
// - Arguments: ATTR_NAME_RAID (a level value) and, optionally, ATTR_NAME_ASSIGN_SPARE
//   (ATTR_VALUE_ASSIGN_SPARE_TRUE, or ATTR_VALUE_ASSIGN_SPARE_FALSE, the default).
// - With a spare asked for and a fault-tolerant level, the largest unassigned drive stays out of
//   the data drives and becomes the new array's spare: the logical drive's record names it, so
//   the controller keeps it as the array's spare.
// - Nothing is written and no array made when the level is missing
//   (ATTR_VALUE_STATUS_ARGUMENT_MISSING), when the data drives cannot make it
//   (ATTR_VALUE_STATUS_ARGUMENT_INVALID naming ATTR_NAME_RAID, the rule of the create-logical-drive
//   capability) or when no drive is unassigned (ATTR_VALUE_STATUS_FAILURE).
// - The array is made by create-array and filled by configure-unused-space; when its logical
//   drive cannot be written the array is removed again. The return is configure-unused-space's
//   (the new logical drive number included) with the new array's ATTR_NAME_ARRAY_NUMBER.
// - It applies where an unassigned drive is left (FilterCreateArray).
#ifndef VNL_OPERATIONS_WRITECONFIGUREUNASSIGNEDPHYSICALDRIVE_H
#define VNL_OPERATIONS_WRITECONFIGUREUNASSIGNEDPHYSICALDRIVE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteConfigureUnassignedPhysicalDrive
    : public Schema::VisitorArrayController,
      public Schema::VisitorStorageSystem,
      public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_CONFIGURE_UNASSIGNED_PHYSICAL_DRIVE> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::StorageSystem& storageSystem) override;

    // Whether `level` can be made on `driveCount` data drives; the refusal when not.
    static Core::OperationReturn checkLevel(const Common::string& level, unsigned driveCount);

protected:
    Core::FilterPtr pFilterImpl() const override;

private:
    // The unassigned drives below `device` as data drives and, when asked, a spare.
    struct Plan {
        Core::DeviceList data;
        Core::DevicePtr spare;
    };
    Core::OperationReturn makePlan(const Core::Device& device, Plan& plan) const;
    Core::OperationReturn configure(Core::Device& device);
};

} // namespace Operations

#endif
