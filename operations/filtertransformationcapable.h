// Operations::FilterTransformationCapable - where an array may be expanded or a logical drive
// extended or migrated: on an array that has not failed (ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_STATUS_NOT_OK:
// moving data over a failed drive would lose it), of a controller none of whose arrays is
// transforming now (ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_IS_TRANSFORMING: a plan made while the
// controller moves data would start from places that are about to change), and whose
// transformation cache, once known, is not 0
// (ATTR_VALUE_UNAVAILABLE_REASON_TRANSFORMATION_SIZE_ZERO).
#ifndef VNL_OPERATIONS_FILTERTRANSFORMATIONCAPABLE_H
#define VNL_OPERATIONS_FILTERTRANSFORMATIONCAPABLE_H

#include "core/filter.h"

namespace Operations {

class FilterTransformationCapable : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

} // namespace Operations

#endif
