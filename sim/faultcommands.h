// The fault subcommands of the control tool, applied to the stored world:
// failing or silencing drives, failing logical drives, setting progress, making
// a controller unreachable or answer with check conditions, locking a storage
// system for another host, and garbage replies. Each can be cleared again.
#ifndef VNL_SIM_FAULTCOMMANDS_H
#define VNL_SIM_FAULTCOMMANDS_H

#include "sim/simmodel.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Sim {

struct FaultCommand {
    std::string_view name;
    std::string_view usage; // arguments after the name
    std::string_view summary;
};

// Every fault subcommand, in the order the control tool lists them.
const std::vector<FaultCommand>& faultCommands();

// Applies "name args..." to world at clock time now. Returns false with a
// message for an unknown command, a wrong argument count or a bad argument.
bool applyFault(World& world, const std::vector<std::string>& words, std::int64_t now, std::string& error);

} // namespace Sim

#endif
