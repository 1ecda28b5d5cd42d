// Builds the configuration record that a profile's logicaldrive line
// describes, the way the configuration tool would have written it, so that
// presets can start with arrays and logical drives already in place.
#ifndef VNL_SIM_CONFIGBUILDER_H
#define VNL_SIM_CONFIGBUILDER_H

#include "sim/simmodel.h"
#include "sim/textrecord.h"

#include <string>

namespace Sim {

// Fields read: drives= and spares= (drive locations separated by ','),
// raid= (0, 1, 4, 5, 6, 51), size= (binary units or "max", the default),
// stripe= (KB, default 128), sectors= (32 or 63, default 63). The logical
// drive is placed after the logical drives already on the same drives.
bool buildProfileConfig(const Controller& controller, const TextRecord& line, LogicalDrive& ld, std::string& error);

} // namespace Sim

#endif
