#include "operations/associationphysicaldrivephysicaldrive.h"

#include "core/devicefinder.h"
#include "operations/boxdrives.h"

namespace Operations {

void AssociationPhysicalDrivePhysicalDrive::associate(const Core::DevicePtr& drive)
{
    namespace Facts = Interface::StorageMod;
    const auto* data = dynamic_cast<const Schema::PhysicalDrive*>(drive.get());
    if (data == nullptr || drive->getValueFor(Facts::ATTR_NAME_DRIVE_TYPE) != Facts::ATTR_VALUE_DRIVE_TYPE_DATA)
        return;
    for (const Core::DevicePtr& spare :
         BoxDrives::of(Core::storageSystemFinder(drive)).activeSparesFor(data->driveIndex()))
        AddAssociationFor(Facts::ASSOCIATION_ACTIVE_SPARE, drive, spare);
}

} // namespace Operations
