// Operations::DiscoverDiskExtent (OPERATION_DISCOVER_DISK_EXTENTS) - the partitions the
// operating system has on a logical drive, from the information manager's disk extent
// information of the drive's handle. Each partition entry becomes a Schema::DiskExtent with
// its number, offset, size (both in bytes) and mount point.
//
// The information is variable in length: a first call learns the size, a second reads it. A
// failed query, an empty answer, or an answer larger than MAX_EXTENT_INFO_BYTES gives no
// extents and still succeeds; entries that would lie beyond the answer are never read.
#ifndef VNL_OPERATIONS_DISCOVERDISKEXTENT_H
#define VNL_OPERATIONS_DISCOVERDISKEXTENT_H

#include <cstdint>
#include <vector>

#include "controller/imgrdefs.h"
#include "operations/discoveroperation.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {

class DiscoverDiskExtent : public Schema::VisitorLogicalDrive,
                           public DiscoverOperation<Interface::StorageMod::OPERATION_DISCOVER_DISK_EXTENTS> {
public:
    static constexpr std::uint32_t MAX_EXTENT_INFO_BYTES = 1u << 20;

    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;

    // The partition entries of an extent information buffer, in buffer order.
    static std::vector<ImgrDiskExtentEntry> partitionEntries(const std::vector<std::uint8_t>& info);
};

} // namespace Operations

#endif
