#include "schema/schemastoragesystem.h"

#include "schema/storagemod.h"

namespace Schema {

using Interface::StorageMod::StorageSystem::ATTR_NAME_CHASSIS_SERIAL_NUMBER;

StorageSystem::StorageSystem(const Common::string& chassisSerialNumber, const Common::string& productID,
                             const Common::string& busType, const ConcreteBMICDevice& channel)
    : ControllerChannels(channel), m_productID(productID), m_busType(busType)
{
    publishFact(ATTR_NAME_CHASSIS_SERIAL_NUMBER, chassisSerialNumber);
}

void StorageSystem::UpdateWith(const Core::DevicePtr& other)
{
    const StorageSystem* newer = dynamic_cast<const StorageSystem*>(other.get());
    if (newer == nullptr)
        return;
    m_productID = newer->m_productID;
    m_busType = newer->m_busType;
    m_paths = newer->m_paths;
    UpdateHandle(newer->handle());
}

Common::string StorageSystem::identityKey() const { return getValueFor(ATTR_NAME_CHASSIS_SERIAL_NUMBER); }

} // namespace Schema
