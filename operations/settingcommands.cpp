#include "operations/settingcommands.h"

#include "core/devicefinder.h"
#include "schema/morumod.h"
#include "schema/storagemod.h"

namespace Operations {

Core::DevicePtr logicalDriveBelow(const Core::Device& scope, const Common::string& id)
{
    using namespace Interface::MORUMod;
    Core::DeviceFinder finder(scope.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_LOGICAL_DRIVE));
    finder.Add(Core::Attribute(ATTR_NAME_UNIQUE_ID, id));
    return finder.find(Core::DeviceFinder::DIRECTION_DOWN);
}

Core::OperationReturn argumentFailure(const char* status, const char* name)
{
    Core::OperationReturn result(status);
    result.Receive(Core::Attribute(Interface::MORUMod::ATTR_NAME_ARGUMENT_NAME, name));
    return result;
}

Core::OperationReturn underrunIsSuccess(const Core::OperationReturn& result)
{
    return result.getValueFor(Interface::MORUMod::ATTR_NAME_STATUS) ==
            Interface::StorageMod::ATTR_VALUE_STATUS_LOW_LEVEL_BUFFER_UNDERRUN
        ? Core::OperationReturn()
        : result;
}

std::uint32_t enabledAccelerators(const CACHE_CONFIG_STATUS& cache)
{
    return cache.bDisableFlag != 0 ? 0u : ~std::uint32_t{cache.dwCacheDisabledMap};
}

Core::OperationReturn writeAcceleratorSet(BMICDevice& channel, CACHE_CONFIG_STATUS cache, std::uint32_t enabled)
{
    cache.bDisableFlag = enabled == 0 ? 1 : 0;
    cache.dwCacheDisabledMap = enabled == 0 ? 0xFFFFFFFFu : ~enabled;
    Core::OperationReturn result;
    SetControllerCommand<SetControllerCacheConfigStatusTrait> set(cache);
    executeWriteCommand(set, channel, result);
    return underrunIsSuccess(result);
}

} // namespace Operations
