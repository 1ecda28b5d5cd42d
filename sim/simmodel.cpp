#include "sim/simmodel.h"

namespace Sim {

const Controller* findController(const World& world, const std::string& name)
{
    for (const Controller& c : world.controllers)
        if (c.name == name)
            return &c;
    return nullptr;
}

Controller* findController(World& world, const std::string& name)
{
    return const_cast<Controller*>(findController(static_cast<const World&>(world), name));
}

std::uint32_t textHash(const std::string& text)
{
    std::uint32_t h = 2166136261u;
    for (unsigned char ch : text)
        h = (h ^ ch) * 16777619u;
    return h;
}

} // namespace Sim
