// Operations::LocalControllerFilter - refuses a discovery on a controller reached inside a
// storage system (ATTR_NAME_LOCATION other than ATTR_VALUE_LOCATION_LOCAL) with
// ATTR_VALUE_UNAVAILABLE_REASON_NOT_APPLICABLE: the arrays and drives of a storage system are
// discovered once, at the storage system, not once per controller path. Every other device
// is accepted.
#ifndef VNL_OPERATIONS_LOCALCONTROLLERFILTER_H
#define VNL_OPERATIONS_LOCALCONTROLLERFILTER_H

#include "core/filter.h"

namespace Operations {

class LocalControllerFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

} // namespace Operations

#endif
