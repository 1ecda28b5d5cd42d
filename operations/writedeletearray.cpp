#include "operations/writedeletearray.h"

#include <cstdlib>

#include "core/devicefinder.h"
#include "operations/writedeletelogicaldrive.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Drive = Interface::StorageMod::PhysicalDrive;

bool holdsLogicalDrives(const Schema::Array& array)
{
    Core::DeviceFinder finder(array.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_LOGICAL_DRIVE));
    return array.logicalDriveList().any() || finder.find(Core::DeviceFinder::DIRECTION_DOWN);
}

// The physical drives below `scope` whose drive index is in `drives`.
void unassign(const Core::Device& scope, const Schema::Array::DriveSet& drives)
{
    Core::DeviceFinder finder(scope.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    Core::DeviceList found;
    finder.find(found, Core::DeviceFinder::DIRECTION_DOWN);
    for (const Core::DevicePtr& drive : found) {
        const unsigned long index =
            std::strtoul(drive->getValueFor(Drive::ATTR_NAME_DEVICE_NUMBER).c_str(), nullptr, 10);
        if (drive->hasAttribute(Drive::ATTR_NAME_DEVICE_NUMBER) && index < drives.size() && drives.test(index))
            drive->Receive(Core::Attribute(Drive::ATTR_NAME_DRIVE_TYPE, Drive::ATTR_VALUE_DRIVE_TYPE_UNASSIGNED));
    }
}

} // namespace

Core::OperationReturn WriteDeleteArray::visit(Schema::Array& array)
{
    const Core::DevicePtr parent = array.hasParent() ? array.pParent() : Core::DevicePtr();
    if (!parent)
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    if (holdsLogicalDrives(array))
        return WriteDeleteLogicalDrive::DeleteAll(array);
    array.isDeleted(true);
    unassign(*parent, array.dataDriveList());
    parent->clear(array.getDevicePtr());
    return Core::OperationReturn();
}

} // namespace Operations
