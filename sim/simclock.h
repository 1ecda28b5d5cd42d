// The simulation clock, in seconds: VNLSIM_CLOCK when set (so tests can move
// time forward without waiting), the real time otherwise.
#ifndef VNL_SIM_SIMCLOCK_H
#define VNL_SIM_SIMCLOCK_H

#include <cstdint>

namespace Sim {

std::int64_t simNow();

} // namespace Sim

#endif
