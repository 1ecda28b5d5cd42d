// Operations::DiscoverPhysicalDrive (OPERATION_DISCOVER_PHYSICAL_DRIVES) - the disks of a
// controller, storage system or drive cage.
//
// The present disks come from Identify Controller (pbBigDrivePresentBitmap); which of them
// belong to the visited device is decided by operations/drivecandidates.h. Each becomes a
// Schema::PhysicalDrive, in ascending index order, typed by the logical drives' maps: data when
// a logical drive (or an array without logical drives yet) uses it for data, spare when one
// keeps it as a spare, unassigned otherwise; ATTR_NAME_IS_ACTIVE_SPARE says whether it stands
// in for a failed drive. On a controller or storage system the tape drives that are not in a
// drive cage are published too (operations/discovertapedrive.h). A failing command ends the discovery with that command's failure. On
// a controller the operation applies only when the controller is local.
#ifndef VNL_OPERATIONS_DISCOVERPHYSICALDRIVE_H
#define VNL_OPERATIONS_DISCOVERPHYSICALDRIVE_H

#include "operations/arrayinfo.h"
#include "operations/discoveroperation.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemadrivecage.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"

namespace Operations {

class DiscoverPhysicalDrive : public Schema::VisitorArrayController,
                              public Schema::VisitorStorageSystem,
                              public Schema::VisitorDriveCage,
                              public DiscoverOperation<Interface::StorageMod::OPERATION_DISCOVER_PHYSICAL_DRIVES> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override
    {
        return discover(controller, controller);
    }
    Core::OperationReturn visit(Schema::StorageSystem& system) override { return discover(system, system); }
    Core::OperationReturn visit(Schema::DriveCage& cage) override { return discover(cage, cage); }

    Core::OperationReturn discover(Core::Device& device, BMICDevice& channel);

    // The data, spare and active-spare drives of every configured logical drive.
    static Core::OperationReturn DiscoverDataAndSpareDrives(BMICDevice& channel, const IDENTIFY_CONTROLLER& identify,
                                                            DriveSet& data, DriveSet& spare, DriveSet& activeSpare);

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
