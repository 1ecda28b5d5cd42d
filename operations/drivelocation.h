// publishDriveLocation - where a drive sits, from its Identify Physical Drive reply:
// ATTR_NAME_PORT (the port's text; absent for a drive addressed by SCSI bus and id, whose reply
// names no port), ATTR_NAME_BOX and ATTR_NAME_BAY. A box or bay of 255 means the controller
// does not know the location: all three are then published as their _UNKNOWN values.
#ifndef VNL_OPERATIONS_DRIVELOCATION_H
#define VNL_OPERATIONS_DRIVELOCATION_H

#include "controller/bmiclayouts.h"
#include "core/device.h"

namespace Operations {

inline constexpr unsigned NO_LOCATION = 255;

void publishDriveLocation(Core::Device& drive, const PHYSICAL_DRIVE_STATUS& identity);

} // namespace Operations

#endif
