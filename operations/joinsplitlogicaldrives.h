// Operations::JoinSplitLogicalDrives - what splitting a mirrored array and joining it again
// share: each logical drive of the array has its record sensed and sent with the join/split
// logical drive command (0x5E), the record as sensed and the command's detail saying which
// (JOIN_SPLIT_SPLIT, JOIN_SPLIT_JOIN). The first failing command ends the work with its status;
// a controller without the command refuses it, and that failure is the result.
//
// Offered on arrays whose logical drives are all RAID 1 (MirroredArrayFilter, reason
// ATTR_VALUE_UNAVAILABLE_REASON_LOGICAL_DRIVE_NOT_RAID_1).
#ifndef VNL_OPERATIONS_JOINSPLITLOGICALDRIVES_H
#define VNL_OPERATIONS_JOINSPLITLOGICALDRIVES_H

#include <cstdint>

#include "core/filter.h"
#include "core/operationreturn.h"
#include "schema/schemaarray.h"

namespace Operations {

inline constexpr std::uint32_t JOIN_SPLIT_SPLIT = 0;
inline constexpr std::uint32_t JOIN_SPLIT_JOIN = 1;

Core::OperationReturn JoinSplitLogicalDrives(Schema::Array& array, std::uint32_t which);

class MirroredArrayFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

} // namespace Operations

#endif
