#include "schema/schemahostbusadapter.h"

#include "schema/storagemod.h"

namespace Schema {

namespace Facts = Interface::StorageMod::HostBusAdapter;

Common::string HostBusAdapter::identityKey() const
{
    if (hasAttribute(Facts::ATTR_NAME_ACCESS_ID))
        return getValueFor(Facts::ATTR_NAME_ACCESS_ID);
    static const char* const locationParts[] = {Facts::ATTR_NAME_PCI_DOMAIN, Facts::ATTR_NAME_PCI_BUS,
                                                Facts::ATTR_NAME_PCI_DEVICE, Facts::ATTR_NAME_PCI_FUNCTION,
                                                Facts::ATTR_NAME_SLOT};
    Common::string key;
    for (const char* part : locationParts) {
        if (!hasAttribute(part))
            continue;
        if (!key.empty())
            key += "_";
        key += getValueFor(part);
    }
    return key;
}

} // namespace Schema
