#include "operations/settingfilters.h"

#include "controller/modeltable.h"
#include "core/devicefinder.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Controller = Interface::StorageMod::ArrayController;
namespace System = Interface::StorageMod::StorageSystem;

Core::FilterReturn acceptedWhen(bool condition, const char* reason)
{
    return condition ? Core::FilterReturn() : Core::FilterReturn(reason);
}

Core::DevicePtr parentOf(const Core::DevicePtr& device)
{
    return device && device->hasParent() ? device->pParent() : Core::DevicePtr();
}

// The controller a drive answers to: the nearest ancestor that names its
// model, or, for the drives of a storage system, the system's first controller.
Core::DevicePtr modelControllerAbove(const Core::DevicePtr& device)
{
    for (Core::DevicePtr above = parentOf(device); above; above = parentOf(above)) {
        if (above->hasAttribute(Controller::ATTR_NAME_CONTROLLER_NAME))
            return above;
        if (Core::isOfType(above, ATTR_VALUE_TYPE_STORAGE_SYSTEM))
            for (auto child = above->beginChild(); child != above->endChild(); ++child)
                if (Core::isOfType(*child, ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
                    return *child;
    }
    return Core::DevicePtr();
}

} // namespace

Core::FilterReturn CacheBoardFilter::applyImpl(const Core::DevicePtr& device) const
{
    return acceptedWhen(device &&
                            device->getValueFor(Controller::ATTR_NAME_CACHE_BOARD_PRESENT) ==
                                Controller::ATTR_VALUE_CACHE_BOARD_PRESENT_TRUE,
                        ATTR_VALUE_UNAVAILABLE_REASON_CACHE_BOARD_NOT_PRESENT);
}

Core::FilterReturn RedundantPartnerFilter::applyImpl(const Core::DevicePtr& device) const
{
    const Core::DevicePtr system = parentOf(device);
    unsigned controllers = 0;
    if (Core::isOfType(system, ATTR_VALUE_TYPE_STORAGE_SYSTEM))
        for (auto child = system->beginChild(); child != system->endChild(); ++child)
            controllers += Core::isOfType(*child, ATTR_VALUE_TYPE_ARRAY_CONTROLLER) ? 1 : 0;
    return acceptedWhen(controllers >= 2, ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_CONTROLLER_NOT_REDUNDANT);
}

Core::FilterReturn ActiveActiveFilter::applyImpl(const Core::DevicePtr& device) const
{
    const Core::DevicePtr system = device ? Core::storageSystemFinder(device) : Core::DevicePtr();
    return acceptedWhen(Core::isOfType(system, ATTR_VALUE_TYPE_STORAGE_SYSTEM) &&
                            system->getValueFor(System::ATTR_NAME_REDUNDANCY_MODE) ==
                                System::ATTR_VALUE_REDUNDANCY_MODE_ASYMMETRICAL_ACTIVE_ACTIVE,
                        ATTR_VALUE_UNAVAILABLE_REASON_REDUNDANCY_MODE_NOT_ASYMMETRICAL_ACTIVE_ACTIVE);
}

Core::FilterReturn EnclosureControllerFilter::applyImpl(const Core::DevicePtr& device) const
{
    const Core::DevicePtr controller = modelControllerAbove(device);
    const std::string_view enclosure = ModelTable::enclosureControllerKey();
    return acceptedWhen(controller &&
                            controller->getValueFor(Controller::ATTR_NAME_CONTROLLER_NAME) ==
                                Common::string(enclosure.data(), enclosure.size()),
                        ATTR_VALUE_UNAVAILABLE_REASON_NOT_APPLICABLE);
}

Core::FilterReturn ExternalEnclosureFilter::applyImpl(const Core::DevicePtr& device) const
{
    namespace Enclosure = Interface::StorageMod::StorageEnclosure;
    return acceptedWhen(
        device && device->getValueFor(Enclosure::ATTR_NAME_LOCATION) == Enclosure::ATTR_VALUE_LOCATION_EXTERNAL,
        ATTR_VALUE_UNAVAILABLE_REASON_SERIAL_NUMBER_NOT_CHANGEABLE);
}

Core::FilterReturn FailedLogicalDriveFilter::applyImpl(const Core::DevicePtr& device) const
{
    namespace Drive = Interface::StorageMod::LogicalDrive;
    return acceptedWhen(device && device->getValueFor(Drive::ATTR_NAME_STATUS) == Drive::ATTR_VALUE_STATUS_FAILED,
                        ATTR_VALUE_UNAVAILABLE_REASON_LOGICAL_DRIVE_NOT_DISABLED);
}

} // namespace Operations
