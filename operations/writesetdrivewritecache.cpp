#include "operations/writesetdrivewritecache.h"

#include <iterator>

#include "operations/readcontrollerfacts.h"
#include "operations/settingcommands.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::StorageSystem;

// CONTROLLER_PARAMETERS.bDriveConfigurationFlags: the drives' own write caches are on.
constexpr std::uint8_t kDriveWriteCache = 0x01;

} // namespace

Core::OperationReturn WriteSetDriveWriteCache::visit(Schema::StorageSystem& system)
{
    if (!hasArgument(Facts::ATTR_NAME_DRIVE_WRITE_CACHE))
        return argumentFailure(Interface::MORUMod::ATTR_VALUE_STATUS_ARGUMENT_MISSING,
                               Facts::ATTR_NAME_DRIVE_WRITE_CACHE);
    const bool enable = getArgValue(Facts::ATTR_NAME_DRIVE_WRITE_CACHE) == Facts::ATTR_VALUE_DRIVE_WRITE_CACHE_ENABLED;
    return changeControllerParameters(system, [enable](CONTROLLER_PARAMETERS& parameters) {
        parameters.bDriveConfigurationFlags = withBits(parameters.bDriveConfigurationFlags, kDriveWriteCache, enable);
    });
}

Core::CapabilityPtr WriteSetDriveWriteCache::getCapabilityPtr(const Core::DevicePtr& device)
{
    const char* const states[] = {Facts::ATTR_VALUE_DRIVE_WRITE_CACHE_ENABLED,
                                  Facts::ATTR_VALUE_DRIVE_WRITE_CACHE_DISABLED};
    Core::CapabilityPtr root(new Core::Capability());
    root->Subscribe(
        closedCapabilityClass(Facts::ATTR_NAME_DRIVE_WRITE_CACHE, std::begin(states), std::end(states),
                              device ? device->getValueFor(Facts::ATTR_NAME_DRIVE_WRITE_CACHE) : Common::string(),
                              Facts::ATTR_VALUE_DRIVE_WRITE_CACHE_DISABLED));
    return root;
}

} // namespace Operations
