// Operations::DiscoverTapeDrive (OPERATION_DISCOVER_TAPE_DRIVES) - the tape drives of a drive
// cage; publishTapeDrives does the same for a controller or storage system and is called by
// the physical drive discovery there (a tape drive not in a cage hangs directly below the
// controller or storage system through which it is reached).
//
// The tape drives are the present non-disk devices of Identify Controller
// (pbBigNonDiskBitmap) that belong to the device (operations/drivecandidates.h). Each is
// asked for its identity and location (Identify Physical Drive) and its inquiry pages
// (Pass Through Special Inquiry) and becomes a Schema::TapeDrive, in ascending index order,
// with its SCSI bus and id, port, box and bay, vendor, product, revision, serial number and
// status OK. An inquiry page the device did not answer (non-zero SCSI status) adds nothing.
// A tape drive that does not answer while its controller does (operations/silentdrive.h) is left
// out, as the tape vocabulary has no failed status; any other failing command ends the discovery
// with its failure; tape drives found before it stay.
// The information manager lists no tape drives, so a tape drive has no library handle of its
// own: its SCSI channel holds handle 0, which the library refuses.
#ifndef VNL_OPERATIONS_DISCOVERTAPEDRIVE_H
#define VNL_OPERATIONS_DISCOVERTAPEDRIVE_H

#include "controller/bmiclayouts.h"
#include "operations/discoveroperation.h"
#include "schema/schemadrivecage.h"
#include "schema/schematapedrive.h"
#include "schema/storagemod.h"

namespace Operations {

class DiscoverTapeDrive : public Schema::VisitorDriveCage,
                          public DiscoverOperation<Interface::StorageMod::OPERATION_DISCOVER_TAPE_DRIVES> {
public:
    Core::OperationReturn visit(Schema::DriveCage& cage) override;

    // Publishes the tape drives of `device` into it; `result` must report success on entry.
    static void publishTapeDrives(Core::Device& device, BMICDevice& channel, const IDENTIFY_CONTROLLER& identify,
                                  Core::OperationReturn& result);

    // The facts of a tape drive from its replies.
    static void publishFacts(Schema::TapeDrive& tape, const PHYSICAL_DRIVE_STATUS& identity,
                             const PASS_THROUGH_SPECIAL_INQUIRY& inquiry);
};

} // namespace Operations

#endif
