// The profiles of sim/presets, built into the library so that a state can be
// made from them wherever the library runs.
#ifndef VNL_SIM_PRESETS_H
#define VNL_SIM_PRESETS_H

#include <optional>
#include <string_view>
#include <vector>

namespace Sim {

// The preset a new state directory starts from.
constexpr std::string_view kDefaultPreset = "server";

// Text of a preset by name ("small", "server", ...), or nullopt.
std::optional<std::string_view> presetText(std::string_view name);

// Names of all presets, sorted.
std::vector<std::string_view> presetNames();

} // namespace Sim

#endif
