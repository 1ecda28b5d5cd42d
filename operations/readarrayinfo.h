// Operations::ReadArrayInfo (OPERATION_READ_ARRAY_INFO) - works out the state of an array from
// its drives and logical drives: the size common to its drives, its unused space, where the
// next logical drive would start, and its status.
//
// What a caller may rely on:
// - It asks only questions the rescan asks anyway (identify of its data drives, configuration
//   and status of its logical drives), through the reply cache.
// - Per drive, the usable space is the smallest data drive's blocks less its reserved blocks;
//   the logical drives take [offset, offset + blocks per drive) of it. ATTR_NAME_FREE_BLOCKS is
//   the space after the last logical drive on all data drives together; a configuration that
//   claims more than the drives hold reads as no free space. A data drive that does not answer
//   (a silent drive) is left out of the size; when none answers, the size, the interface and
//   the unused space are absent.
// - Status: ATTR_VALUE_STATUS_FAILED when a logical drive failed or a data drive failed, else
//   ATTR_VALUE_STATUS_LOGICAL_DRIVES_NOT_CONTIGUOUS when the logical drives leave a gap, else
//   ATTR_VALUE_STATUS_OK; published only when every question was answered.
#ifndef VNL_OPERATIONS_READARRAYINFO_H
#define VNL_OPERATIONS_READARRAYINFO_H

#include <cstdint>

#include "common/containers.h"
#include "operations/readoperation.h"
#include "schema/schemaarray.h"
#include "schema/storagemod.h"

namespace Operations {

class ReadArrayInfo : public Schema::VisitorArray,
                      public ReadOperation<Interface::StorageMod::OPERATION_READ_ARRAY_INFO> {
public:
    // Where one logical drive lies on each drive of its array.
    struct Extent {
        unsigned number = 0;
        std::uint64_t offset = 0;
        std::uint64_t blocksPerDrive = 0;
        bool faultTolerant = false;
        bool failed = false;
        bool transforming = false;
    };
    using ExtentList = Common::list<Extent>;

    Core::OperationReturn visit(Schema::Array& array) override;

    // Publishes the facts of the extents on drives of `usablePerDrive` blocks; true when a
    // logical drive failed.
    static bool publishLayout(Schema::Array& array, ExtentList extents, std::uint64_t usablePerDrive);

private:
    static Core::OperationReturn publishCommonDriveSize(Schema::Array& array, std::uint64_t& usablePerDrive);
    static Core::OperationReturn readExtents(Schema::Array& array, ExtentList& extents);
};

} // namespace Operations

#endif
