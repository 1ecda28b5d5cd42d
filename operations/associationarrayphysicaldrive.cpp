#include "operations/associationarrayphysicaldrive.h"

#include "core/devicefinder.h"
#include "operations/associationpredicates.h"

namespace Operations {

void AssociationArrayPhysicalDrive::associate(const Core::DevicePtr& array)
{
    const Core::DevicePtr box = Core::storageSystemFinder(array);
    const DataDrivePredicate data;
    const SpareDrivePredicate spare;
    for (const Predicate* predicate : {static_cast<const Predicate*>(&data), static_cast<const Predicate*>(&spare)})
        buildAssociation(array, *predicate, box, Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
}

} // namespace Operations
