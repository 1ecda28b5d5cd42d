#include "operations/associationarraycontrollerlogicaldrive.h"

#include "core/devicefinder.h"
#include "operations/associationpredicates.h"

namespace Operations {

void AssociationArrayControllerLogicalDrive::associate(const Core::DevicePtr& controller)
{
    using namespace Interface::MORUMod;
    Core::DeviceFinder scopeFinder(controller);
    scopeFinder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_STORAGE_SYSTEM));
    const Core::DevicePtr storageSystem = scopeFinder.find(Core::DeviceFinder::DIRECTION_UP);
    if (!storageSystem)
        return;
    Core::DeviceFinder drives(storageSystem);
    drives.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_LOGICAL_DRIVE));
    Core::DeviceList logicalDrives;
    drives.find(logicalDrives, Core::DeviceFinder::DIRECTION_DOWN);
    const PreferredPathPredicate predicate;
    for (const Core::DevicePtr& logicalDrive : logicalDrives)
        if (predicate(controller, logicalDrive))
            AddAssociationFor(predicate.associationName(), logicalDrive, controller);
}

} // namespace Operations
