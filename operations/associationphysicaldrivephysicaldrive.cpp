#include "operations/associationphysicaldrivephysicaldrive.h"

#include "core/devicefinder.h"
#include "operations/associationpredicates.h"

namespace Operations {

void AssociationPhysicalDrivePhysicalDrive::associate(const Core::DevicePtr& drive)
{
    namespace Facts = Interface::StorageMod;
    if (!drive || drive->getValueFor(Facts::ATTR_NAME_DRIVE_TYPE) != Facts::ATTR_VALUE_DRIVE_TYPE_DATA)
        return;
    const Core::DevicePtr box = Core::storageSystemFinder(drive);
    ActiveSparePairs pairs = activeSparePairs(box);
    if (pairs.empty())
        return;
    buildAssociation(drive, ActiveSparePredicate(std::move(pairs)), box,
                     Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
}

} // namespace Operations
