#include "schema/configurationpredicate.h"

#include "schema/storagemod.h"

namespace Interface::StorageMod {

bool ConfigurationPredicate::canPerformDiscoverFor(const Core::DevicePtr& device, const Common::string& opName) const
{
    const bool listed = opName != OPERATION_DISCOVER_DISK_EXTENTS && opName != OPERATION_DISCOVER_PHYS;
    return listed && DefaultReenumeratePredicate::canPerformDiscoverFor(device, opName);
}

bool ConfigurationPredicate::canRegisterWriteOperationsFor(const Core::DevicePtr&, const Common::string&) const
{
    return false;
}

} // namespace Interface::StorageMod
