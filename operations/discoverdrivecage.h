// Operations::DiscoverDriveCage (OPERATION_DISCOVER_DRIVE_CAGES) - the drive cages of a storage
// enclosure. Each bus of the enclosure's controller that holds a present disk or tape is asked
// with Sense Bus Parameters; a bus of the enclosure's box whose reply names a drive cage (operations/drivecandidates.h)
// becomes a Schema::DriveCage named by its bus number, with its vendor, product and firmware,
// bay count, bus, port, status OK and, for a duplex cage, which half it is. A bus that does not
// answer, or answers with another kind of enclosure, gives no cage: only a cage takes drives
// away from its controller, so only a cage is listed. Identify Controller failing ends the
// discovery with its failure.
#ifndef VNL_OPERATIONS_DISCOVERDRIVECAGE_H
#define VNL_OPERATIONS_DISCOVERDRIVECAGE_H

#include "controller/bmiclayouts.h"
#include "operations/discoveroperation.h"
#include "schema/schemastorageenclosure.h"
#include "schema/storagemod.h"

namespace Operations {

class DiscoverDriveCage : public Schema::VisitorStorageEnclosure,
                          public DiscoverOperation<Interface::StorageMod::OPERATION_DISCOVER_DRIVE_CAGES> {
public:
    Core::OperationReturn visit(Schema::StorageEnclosure& enclosure) override;

    // ATTR_VALUE_DUPLEX_LOCATION_TOP or _BOTTOM for a duplex cage's product identifier (its
    // 15th character "D", its 16th "T" or "B"); empty otherwise.
    static Common::string duplexLocation(const Common::string& productID);

    // The cage a bus reply describes.
    static Core::Device* driveCageFor(unsigned bus, const SENSE_BUS_PARAMETERS& reply);
};

} // namespace Operations

#endif
