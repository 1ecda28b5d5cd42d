// A silent drive - one that fails the requests addressed to it while its controller answers them
// (a command status such as "no drive at this index", not a failure to reach the controller).
// It is a failed drive of a working controller: the controller and the rest of its drives stay
// usable, and the drive is shown with what the controller itself knows of it.
//
// What a caller may rely on:
// - isSilentDrive is true only for a failed request that the controller answered; a request that
//   did not reach the controller (a low-level status) is a failure of the controller, and a
//   request that succeeded is not silent.
// - publishSilentDrive marks a physical drive failed and gives it the position its drive index
//   has in the controller's drive maps: SCSI bus index / DRIVES_PER_BUS, id index % DRIVES_PER_BUS
//   (the address by which a drive without a known location is named).
#ifndef VNL_OPERATIONS_SILENTDRIVE_H
#define VNL_OPERATIONS_SILENTDRIVE_H

#include "controller/scsistatus.h"
#include "schema/schemaphysicaldrive.h"

namespace Operations {

bool isSilentDrive(const SCSIStatus& request);

void publishSilentDrive(Schema::PhysicalDrive& drive);

} // namespace Operations

#endif
