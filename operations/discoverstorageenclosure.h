// Operations::DiscoverStorageEnclosure (OPERATION_DISCOVER_STORAGE_ENCLOSURES) - the drive
// enclosures (boxes) of a controller or storage system.
//
// Each bus that holds a present disk or tape (Identify Controller) is asked with Sense Bus
// Parameters. A bus whose reply carries valid enclosure inquiry data belongs to an enclosure:
// one Schema::StorageEnclosure per box number, with its box, the chassis serial number the bus
// reports, status OK, and its location: external below a storage system, internal below a
// controller. A bus that does not answer names no enclosure. On a controller the operation
// applies only when the controller is local.
#ifndef VNL_OPERATIONS_DISCOVERSTORAGEENCLOSURE_H
#define VNL_OPERATIONS_DISCOVERSTORAGEENCLOSURE_H

#include "controller/bmiclayouts.h"
#include "operations/discoveroperation.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"

namespace Operations {

class DiscoverStorageEnclosure
    : public Schema::VisitorStorageSystem,
      public Schema::VisitorArrayController,
      public DiscoverOperation<Interface::StorageMod::OPERATION_DISCOVER_STORAGE_ENCLOSURES> {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;
    Core::OperationReturn visit(Schema::ArrayController& controller) override;

    Core::OperationReturn discover(Core::Device& device, BMICDevice& channel, const char* location);

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
