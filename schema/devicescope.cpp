#include "schema/devicescope.h"

#include <cstdio>

#include "schema/morumod.h"

namespace Schema {
namespace {

using namespace Interface::MORUMod;

bool isOfType(const Core::Device& device, const char* type) { return device.getValueFor(ATTR_NAME_TYPE) == type; }

// The nearest device at or above `device` whose type is `type`, or empty.
Common::string nearestIdentifier(const Core::Device& device, const char* type)
{
    if (isOfType(device, type))
        return device.toString();
    for (Core::DevicePtr above = device.pParent(); above; above = above->pParent()) {
        if (isOfType(*above, type))
            return above->toString();
    }
    return Common::string();
}

} // namespace

Common::string scopeIdentifier(const Core::Device& device)
{
    Common::string box = nearestIdentifier(device, ATTR_VALUE_TYPE_STORAGE_SYSTEM);
    return box.empty() ? nearestIdentifier(device, ATTR_VALUE_TYPE_ARRAY_CONTROLLER) : box;
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
