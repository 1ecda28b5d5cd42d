// The information records InfoMgrGetObjectInfo returns for a handle: host
// device, fibre adapter, remote device, logical drive number and access
// name, SCSI address and disk extents.
#ifndef VNL_SIM_OBJECTINFO_H
#define VNL_SIM_OBJECTINFO_H

#include "sim/handles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Sim {

// Builds the record of infoClass for the handle into record. Returns
// IMGR_STATUS_INVALID_REQUEST when the handle has no such information.
ImgrStatus objectInfo(const World& world, const HandleTarget& target, std::uint32_t infoClass,
                      const std::string& imageDir, std::vector<std::uint8_t>& record);

} // namespace Sim

#endif
