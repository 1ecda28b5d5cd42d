#include "core/devicefinder.h"

#include <algorithm>

#include "core/devicelock.h"
#include "core/modelterms.h"

namespace Core {

using namespace Core::ModelTerms;

bool DeviceFinder::isMatchFound(const DevicePtr& device) const
{
    if (!device)
        return false;
    for (const auto& [name, value] : m_attributes) {
        const AttributeValue* held = device->findAttribute(name);
        if (held == nullptr || held->toString() != value.toString())
            return false;
    }
    auto hasOperation = [&device](const Common::string& name) { return device->hasOperation(name); };
    auto accepts = [&device](const FilterPtr& filter) { return filter && bool(filter->apply(device)); };
    auto hasAssociation = [&device](const Common::string& name) { return device->hasAssociation(name); };
    return std::all_of(m_operations.begin(), m_operations.end(), hasOperation) &&
        std::all_of(m_filters.begin(), m_filters.end(), accepts) &&
        std::all_of(m_associations.begin(), m_associations.end(), hasAssociation);
}

template <class Take>
bool DeviceFinder::walkDown(const DevicePtr& device, Take& take) const
{
    if (!take(device))
        return false;
    for (auto child = device->beginChild(); child != device->endChild(); ++child)
        if (!walkDown(*child, take))
            return false;
    return true;
}

template <class Take>
void DeviceFinder::walk(EnDirection direction, Take take) const
{
    if (!m_start)
        return;
    DeviceLock lock(*m_start);
    if (direction == DIRECTION_DOWN) {
        walkDown(m_start, take);
        return;
    }
    for (DevicePtr device = m_start; device && take(device); device = device->pParent()) {}
}

DevicePtr DeviceFinder::find(EnDirection direction) const
{
    DevicePtr match;
    walk(direction, [this, &match](const DevicePtr& device) {
        if (isMatchFound(device))
            match = device;
        return !match;
    });
    return match;
}

void DeviceFinder::find(DeviceList& found, EnDirection direction) const
{
    walk(direction, [this, &found](const DevicePtr& device) {
        if (isMatchFound(device))
            found.push_back(device);
        return true;
    });
}

// One walk up: the first storage system met wins, otherwise the first controller met.
DevicePtr storageSystemFinder(const DevicePtr& device)
{
    if (!device)
        return DevicePtr();
    DeviceLock lock(*device);
    const Device* scope = scopeDevice(*device);
    if (scope == nullptr)
        return DevicePtr();
    return scope == device.get() ? device : scope->getDevicePtr();
}

const Device* scopeDevice(const Device& device)
{
    const Device* controller = nullptr;
    for (const Device* at = &device; at != nullptr; at = at->parentDevice()) {
        const Common::string type = typeOf(*at);
        if (type == ATTR_VALUE_TYPE_STORAGE_SYSTEM)
            return at;
        if (controller == nullptr && type == ATTR_VALUE_TYPE_ARRAY_CONTROLLER)
            controller = at;
    }
    return controller;
}

Common::string typeOf(const Device& device) { return device.getValueFor(ATTR_NAME_TYPE); }

bool isOfType(const Device& device, std::string_view type)
{
    const Common::string text = typeOf(device);
    return std::string_view(text.c_str(), text.size()) == type;
}

bool isOfType(const DevicePtr& device, std::string_view type) { return device && isOfType(*device, type); }

} // namespace Core
