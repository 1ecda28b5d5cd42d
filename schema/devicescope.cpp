#include "schema/devicescope.h"

#include <cstdio>

#include "core/devicefinder.h"
#include "schema/morumod.h"

namespace Schema {

using namespace Interface::MORUMod;

// One walk up: the first storage system met wins; otherwise the first controller met.
Common::string scopeIdentifier(const Core::Device& device)
{
    Common::string controller;
    Core::DevicePtr holder;
    for (const Core::Device* at = &device; at != nullptr; at = holder.get()) {
        if (Core::isOfType(*at, ATTR_VALUE_TYPE_STORAGE_SYSTEM))
            return at->toString();
        if (controller.empty() && Core::isOfType(*at, ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
            controller = at->toString();
        holder = at->pParent();
    }
    return controller;
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
