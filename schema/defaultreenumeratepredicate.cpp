#include "schema/defaultreenumeratepredicate.h"

#include "schema/morumod.h"
#include "schema/storagemod.h"

namespace Interface::StorageMod {

using namespace Interface::MORUMod;

bool DefaultReenumeratePredicate::canPerformDiscoverFor(const Core::DevicePtr& device,
                                                        const Common::string& opName) const
{
    if (!device || !m_target)
        return false;
    if (!isRoot(device))
        return true;
    if (targetType() == ATTR_VALUE_TYPE_ARRAY_CONTROLLER)
        return false;
    if (targetType() == ATTR_VALUE_TYPE_STORAGE_SYSTEM)
        return opName == OPERATION_DISCOVER_ARRAY_CONTROLLERS;
    return true;
}

bool DefaultReenumeratePredicate::canRemoveStaleChildrenFor(const Core::DevicePtr& device) const
{
    if (!device || !m_target)
        return false;
    return !isRoot(device) ||
        (targetType() != ATTR_VALUE_TYPE_ARRAY_CONTROLLER && targetType() != ATTR_VALUE_TYPE_STORAGE_SYSTEM);
}

bool DefaultReenumeratePredicate::isRoot(const Core::DevicePtr& device) const
{
    return device->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_MOD_ROOT;
}

Common::string DefaultReenumeratePredicate::targetType() const { return m_target->getValueFor(ATTR_NAME_TYPE); }

} // namespace Interface::StorageMod
