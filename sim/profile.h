// Reading and writing the simulated hardware as text. The same line format
// (textrecord.h) serves the hand-written profiles of sim/presets and the
// state file the library keeps; a state file is a profile in which every
// logical drive carries the configuration record the firmware stores.
#ifndef VNL_SIM_PROFILE_H
#define VNL_SIM_PROFILE_H

#include "sim/simmodel.h"

#include <string>
#include <string_view>

namespace Sim {

// Parses a profile or state text into world. On failure returns false and a
// message naming the line in error; world is then unspecified.
bool loadWorld(std::string_view text, World& world, std::string& error);

// The world as state text, read back by loadWorld to an equal world.
std::string saveWorld(const World& world);

// Parses "300GB", "1.5TB", "512MB" (decimal units, as drive labels count) or a
// plain number of 512-byte blocks. Returns false for anything else.
bool parseDriveSize(std::string_view text, std::uint64_t& blocks);

// Parses "100GB", "2048MB" (binary units, as logical drive sizes are given)
// or a plain block count. Returns false for anything else.
bool parseVolumeSize(std::string_view text, std::uint64_t& blocks);

} // namespace Sim

#endif
