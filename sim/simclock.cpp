#include "sim/simclock.h"

#include <cstdlib>
#include <ctime>

namespace Sim {

std::int64_t simNow()
{
    const char* fixed = std::getenv("VNLSIM_CLOCK");
    if (fixed && *fixed) {
        char* end = nullptr;
        long long value = std::strtoll(fixed, &end, 10);
        if (end && *end == '\0')
            return value;
    }
    return static_cast<std::int64_t>(std::time(nullptr));
}

} // namespace Sim
