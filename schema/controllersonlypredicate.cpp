#include "schema/controllersonlypredicate.h"

#include "schema/morumod.h"
#include "schema/storagemod.h"

namespace Interface::StorageMod {

using namespace Interface::MORUMod;

namespace {

bool isController(const Core::DevicePtr& device)
{
    return device && device->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_ARRAY_CONTROLLER;
}

} // namespace

bool ControllersOnlyPredicate::canPerformDiscoverFor(const Core::DevicePtr& device, const Common::string& opName) const
{
    const bool findsControllers =
        opName == OPERATION_DISCOVER_ARRAY_CONTROLLERS || opName == OPERATION_DISCOVER_STORAGE_SYSTEMS;
    return findsControllers && DefaultReenumeratePredicate::canPerformDiscoverFor(device, opName);
}

bool ControllersOnlyPredicate::canPerformReadFor(const Core::DevicePtr& device, const Common::string& opName) const
{
    return !isController(device) || opName == OPERATION_READ_ARRAY_CONTROLLER_INFO;
}

bool ControllersOnlyPredicate::canReenumerateChildrenFor(const Core::DevicePtr& device) const
{
    return !isController(device);
}

} // namespace Interface::StorageMod
