// Operations::ReadStorageSystemInfo (OPERATION_READ_STORAGE_SYSTEM_INFO) - reads what an
// external storage system says about itself through the channel of its controller: chassis and
// part serial numbers, node and box name, drive counts, drive write cache, redundancy mode and
// path policy, the controller settings it shares with a controller, and its selective storage
// presentation: ATTR_NAME_SSP_STATE and the (logical drive, initiator) pairs of its access list.
//
// What a caller may rely on:
// - It is the first operation of every rescan of a storage system; its questions go through the
//   reply cache (operations/replycache.h), so later readers of the rescan reuse its answers.
// - The commands are those of the controller reader; a failing one ends the reading with its
//   failure, and the facts read before it stay.
// - The access list is read first and apart: a storage system that does not answer the report
//   has no SSP state and an empty list, and the reading goes on.
// - getCapabilityPtr describes the settings (as for a controller), getRaidCapabilityPtr the
//   RAID levels the storage system offers.
#ifndef VNL_OPERATIONS_READSTORAGESYSTEMINFO_H
#define VNL_OPERATIONS_READSTORAGESYSTEMINFO_H

#include "operations/readoperation.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"

namespace Operations {

class ReadStorageSystemInfo : public Schema::VisitorStorageSystem,
                              public ReadOperation<Interface::StorageMod::OPERATION_READ_STORAGE_SYSTEM_INFO> {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;
    Core::CapabilityPtr getRaidCapabilityPtr(const Core::DevicePtr& device) const;
};

} // namespace Operations

#endif
