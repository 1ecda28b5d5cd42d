// Operations::FilterCreateArray - where a new array can be made: a device with at least one
// unassigned physical drive below it (a controller or a storage system). Any other device is
// refused with ATTR_VALUE_UNAVAILABLE_REASON_UNASSIGNED_DRIVES_FOR_CREATION_NOT_AVAILABLE.
// The operations that consume unassigned drives share it: create-array, configure-unassigned
// and auto-configure.
#ifndef VNL_OPERATIONS_FILTERCREATEARRAY_H
#define VNL_OPERATIONS_FILTERCREATEARRAY_H

#include "core/filter.h"

namespace Operations {

class FilterCreateArray : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

// The physical drives below `device` that belong to no array, in tree order.
Core::DeviceList unassignedDrives(const Core::Device& device);

} // namespace Operations

#endif
