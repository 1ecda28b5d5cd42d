#include "core/deviceassociation.h"

#include <algorithm>

#include "core/device.h"

namespace Core {

bool DeviceAssociation::receive(const DevicePtr& device)
{
    if (!device)
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

}  // namespace Core
