#include "operations/writesetpreferredpath.h"

#include "core/devicefinder.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/settingcommands.h"
#include "operations/settingfilters.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
using Interface::StorageMod::ATTR_NAME_IO_SLOT;

} // namespace

Core::OperationReturn WriteSetPreferredPath::visit(Schema::LogicalDrive& drive)
{
    if (!hasArgument(ATTR_NAME_IO_SLOT))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, ATTR_NAME_IO_SLOT);
    const Common::string slot = getArgValue(ATTR_NAME_IO_SLOT);
    std::uint16_t number = 0;
    if ((slot != "0" && slot != "1") || !ReadLogicalDriveInfo::driveNumber(drive, number) || number >= 32)
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, ATTR_NAME_IO_SLOT);
    const std::uint32_t bit = 1u << number;
    const bool second = slot == "1";
    return changeRedundantParameters(drive, [bit, second](REDUNDANT_CONTROLLER_PARAMETERS& redundancy) {
        redundancy.dwPrefferedLunOwnership = withBits(redundancy.dwPrefferedLunOwnership, bit, second);
    });
}

Core::CapabilityPtr WriteSetPreferredPath::getCapabilityPtr(const Core::DevicePtr& device)
{
    Core::CapabilityPtr root(new Core::Capability());
    const Core::DevicePtr system = device ? Core::storageSystemFinder(device) : Core::DevicePtr();
    if (!system)
        return root;
    Core::CapabilityPtr slots(new Core::CapabilityClass(ATTR_NAME_IO_SLOT, ATTR_VALUE_INSTANCE_TYPE_NUMERIC,
                                                        ATTR_VALUE_CARDINALITY_SINGLE, ATTR_VALUE_ACTION_ABSOLUTE,
                                                        ATTR_VALUE_INSTANCE_RANGE_CLOSED));
    Core::DeviceFinder finder(system);
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_ARRAY_CONTROLLER));
    Core::DeviceList controllers;
    finder.find(controllers, Core::DeviceFinder::DIRECTION_DOWN);
    const Common::string current = device->getValueFor(ATTR_NAME_IO_SLOT);
    for (const Core::DevicePtr& controller : controllers)
        if (controller->hasAttribute(ATTR_NAME_IO_SLOT)) {
            const Common::string slot = controller->getValueFor(ATTR_NAME_IO_SLOT);
            slots->Subscribe(Core::CapabilityPtr(new Core::CapabilityInstance(slot, false, slot == current)));
        }
    root->Subscribe(slots);
    return root;
}

Core::FilterPtr WriteSetPreferredPath::pFilterImpl() const { return Core::FilterPtr(new ActiveActiveFilter()); }

} // namespace Operations
