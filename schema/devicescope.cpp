#include "schema/devicescope.h"

#include <cstdio>

#include "core/devicefinder.h"
#include "core/devicelock.h"
#include "schema/morumod.h"

namespace Schema {

using namespace Interface::MORUMod;

// One walk up: the first storage system met wins; otherwise the first controller met.
Common::string scopeIdentifier(const Core::Device& device)
{
    const Core::DeviceLock lock(device);
    const Core::Device* scope = Core::scopeDevice(device);
    return scope != nullptr ? scope->toString() : Common::string();
}

Common::string parentIdentifier(const Core::Device& device)
{
    Core::DevicePtr parent = device.pParent();
    return parent ? parent->toString() : Common::string();
}

Common::string composeIdentifier(const Core::Device& device, Anchor anchor, const char* tag, const Common::string& key)
{
    return (anchor == Anchor::Scope ? scopeIdentifier(device) : parentIdentifier(device)) + tag + key;
}

Common::string decimalText(unsigned long long number)
{
    char text[24];
    std::snprintf(text, sizeof text, "%llu", number);
    return Common::string(text);
}

} // namespace Schema
