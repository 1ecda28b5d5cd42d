// The partitions of a logical drive as the operating system would see them,
// read from the partition table at the start of its image.
#ifndef VNL_SIM_DISKEXTENTS_H
#define VNL_SIM_DISKEXTENTS_H

#include "controller/imgrdefs.h"

#include <string>
#include <vector>

namespace Sim {

// Primary partitions of a DOS partition table in the image; none when the
// image has no valid table.
std::vector<ImgrDiskExtentEntry> diskExtents(const std::string& imagePath);

} // namespace Sim

#endif
