// Operations::FilterCreateLogicalDrive - where a new logical drive can be carved: an array whose
// free space (ATTR_NAME_FREE_BLOCKS) holds at least the smallest logical drive, on a controller
// or storage system that holds fewer than MAX_LOGICAL_DRIVES logical drives (its
// ATTR_NAME_LOGICAL_DRIVE_COUNT). Refusals: ATTR_VALUE_UNAVAILABLE_REASON_SPACE_FOR_CREATION_NOT_AVAILABLE
// and ATTR_VALUE_UNAVAILABLE_REASON_MAX_LOGICAL_DRIVE_COUNT_REACHED. Create-logical-drive and
// configure-unused-space share it.
#ifndef VNL_OPERATIONS_FILTERCREATELOGICALDRIVE_H
#define VNL_OPERATIONS_FILTERCREATELOGICALDRIVE_H

#include "core/filter.h"

namespace Operations {

class FilterCreateLogicalDrive : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

} // namespace Operations

#endif
