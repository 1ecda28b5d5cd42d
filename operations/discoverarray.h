// Operations::DiscoverArray (OPERATION_DISCOVER_ARRAYS) - rebuilds the arrays of a controller
// or storage system from the drive maps of its logical drives.
//
// The logical drives are scanned (operations/arrayinfo.h) and grouped: logical drives on the
// same drives form one array. Arrays already in the tree that hold no logical drive yet and
// are not being deleted are kept as they are. Arrays are numbered by list order: first in the
// order of each array's lowest-numbered logical drive, then the empty ones. An array keeps its
// device object across rescans as long as its data drives stay the same. The library's logical
// drive handles are listed here once for the logical drive discovery of every array.
//
// A failing command ends the discovery with that command's failure: the arrays that were not
// published again are removed by the rescan. On a controller the operation applies only when
// the controller is local (a storage system's arrays are found at the storage system).
#ifndef VNL_OPERATIONS_DISCOVERARRAY_H
#define VNL_OPERATIONS_DISCOVERARRAY_H

#include "operations/discoveroperation.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"

namespace Operations {

class DiscoverArray : public Schema::VisitorStorageSystem,
                      public Schema::VisitorArrayController,
                      public DiscoverOperation<Interface::StorageMod::OPERATION_DISCOVER_ARRAYS> {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override { return discover(system, system); }
    Core::OperationReturn visit(Schema::ArrayController& controller) override
    {
        return discover(controller, controller);
    }

    Core::OperationReturn discover(Core::Device& device, BMICDevice& channel);

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
