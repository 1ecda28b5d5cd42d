#include "operations/filtercreatearray.h"

#include "core/devicefinder.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

namespace Drive = Interface::StorageMod::PhysicalDrive;
using namespace Interface::MORUMod;

Core::DeviceFinder unassignedFinder(const Core::Device& device)
{
    Core::DeviceFinder finder(device.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    finder.Add(Core::Attribute(Drive::ATTR_NAME_DRIVE_TYPE, Drive::ATTR_VALUE_DRIVE_TYPE_UNASSIGNED));
    return finder;
}

} // namespace

Core::DeviceList unassignedDrives(const Core::Device& device)
{
    Core::DeviceList drives;
    unassignedFinder(device).find(drives, Core::DeviceFinder::DIRECTION_DOWN);
    return drives;
}

Core::FilterReturn FilterCreateArray::applyImpl(const Core::DevicePtr& device) const
{
    if (device && unassignedFinder(*device).find(Core::DeviceFinder::DIRECTION_DOWN))
        return Core::FilterReturn();
    return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_UNASSIGNED_DRIVES_FOR_CREATION_NOT_AVAILABLE);
}

} // namespace Operations
