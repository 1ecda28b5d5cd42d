// The filters that say where the selective-storage-presentation writes apply.
//
// - SspFilter: a storage system that reports an SSP state, or a device inside one; only such a
//   system keeps access lists (ATTR_VALUE_UNAVAILABLE_REASON_SSP_NOT_SUPPORTED).
// - NamedInitiatorFilter: an initiator with a connection name; a controller keeps host modes for
//   named hosts only (ATTR_VALUE_UNAVAILABLE_REASON_REQUIRES_CONNECTION_NAME).
#ifndef VNL_OPERATIONS_SSPFILTERS_H
#define VNL_OPERATIONS_SSPFILTERS_H

#include "core/filter.h"

namespace Operations {

class SspFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

class NamedInitiatorFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

} // namespace Operations

#endif
