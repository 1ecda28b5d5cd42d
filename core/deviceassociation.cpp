#include "core/deviceassociation.h"

#include <algorithm>

#include "core/device.h"

namespace Core {

bool DeviceAssociation::receive(const DevicePtr& device)
{
    // A link made again by a later rescan must not list the device twice.
    if (!device || std::find(m_devices.begin(), m_devices.end(), device) != m_devices.end())
        return false;
    m_devices.push_back(device);
    return true;
}

void DeviceAssociation::clear(const DevicePtr& device)
{
    auto found = std::find(m_devices.begin(), m_devices.end(), device);
    if (found != m_devices.end())
        m_devices.erase(found);
}

} // namespace Core
