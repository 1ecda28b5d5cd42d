// The hardware and stored configuration in words, for "vnlsim show".
#ifndef VNL_SIM_WORLDREPORT_H
#define VNL_SIM_WORLDREPORT_H

#include "sim/simmodel.h"

#include <cstdint>
#include <string>

namespace Sim {

std::string worldReport(const World& world, const std::string& imageDir, std::int64_t now);

} // namespace Sim

#endif
