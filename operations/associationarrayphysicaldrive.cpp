#include "operations/associationarrayphysicaldrive.h"

#include "core/devicefinder.h"
#include "operations/boxdrives.h"
#include "schema/storagemod.h"

namespace Operations {

void AssociationArrayPhysicalDrive::associate(const Core::DevicePtr& array)
{
    const auto* from = dynamic_cast<const Schema::Array*>(array.get());
    const Core::DevicePtr box = Core::storageSystemFinder(array);
    if (from == nullptr || !box)
        return;
    const BoxDrives& drives = BoxDrives::of(box);
    linkBothWays(Interface::StorageMod::ASSOCIATION_DATA_DRIVE, array, drives.inSet(from->dataDriveList()));
    linkBothWays(Interface::StorageMod::ASSOCIATION_SPARE_DRIVE, array, drives.inSet(from->spareDriveList()));
}

void AssociationArrayPhysicalDrive::linkBothWays(const char* name, const Core::DevicePtr& array,
                                                 const Core::DeviceList& drives)
{
    for (const Core::DevicePtr& drive : drives) {
        AddAssociationFor(name, array, drive);
        AddAssociationFor(name, drive, array);
    }
}

} // namespace Operations
