#include "core/filter.h"

namespace Core {

FilterReturn NullFilter::applyImpl(const DevicePtr&) const { return FilterReturn(); }

} // namespace Core
