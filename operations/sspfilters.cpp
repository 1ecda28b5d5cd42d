#include "operations/sspfilters.h"

#include "core/devicefinder.h"
#include "schema/storagemod.h"

namespace Operations {

using namespace Interface::MORUMod;

Core::FilterReturn SspFilter::applyImpl(const Core::DevicePtr& device) const
{
    const Core::DevicePtr system = device ? Core::storageSystemFinder(device) : Core::DevicePtr();
    const bool keepsLists = system && system->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_STORAGE_SYSTEM &&
        system->hasAttribute(Interface::StorageMod::StorageSystem::ATTR_NAME_SSP_STATE);
    return keepsLists ? Core::FilterReturn() : Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_SSP_NOT_SUPPORTED);
}

Core::FilterReturn NamedInitiatorFilter::applyImpl(const Core::DevicePtr& device) const
{
    const bool named =
        device && !device->getValueFor(Interface::StorageMod::Initiator::ATTR_NAME_CONNECTION_NAME).empty();
    return named ? Core::FilterReturn() : Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_REQUIRES_CONNECTION_NAME);
}

} // namespace Operations
