// Core::Filter - decides whether an operation applies to a device and, when
// it does not, says why (a FilterReturn carrying ATTR_NAME_UNAVAILABLE_REASON).
//
// Each operation that is not always applicable returns its own filter from
// pFilterImpl(); NullFilter accepts every device. Filter objects come from
// the fixed global pool, so `new` of a filter may give null when the pool is
// exhausted; an operation whose filter could not be made is treated as
// refused (ATTR_VALUE_UNAVAILABLE_REASON_UNKNOWN).
#ifndef CORE_FILTER_H
#define CORE_FILTER_H

#include "common/globalstaticallocator.h"
#include "common/sharedptr.h"
#include "core/device.h"
#include "core/filterreturn.h"

namespace Core {

class Filter : public Common::GlobalStaticAllocated {
public:
    virtual ~Filter() = default;
    FilterReturn apply(const DevicePtr& device) const { return applyImpl(device); }

protected:
    virtual FilterReturn applyImpl(const DevicePtr& device) const = 0;
};

using FilterPtr = Common::shared_ptr<Filter>;

class NullFilter : public Filter {
protected:
    FilterReturn applyImpl(const DevicePtr& device) const override;
};

} // namespace Core

#endif
