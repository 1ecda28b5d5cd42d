// Operations::VirtualArrayFactory - the plans of the process, one per array device object, so
// that what an operation offers and what it then does are worked out on the same plan.
//
// What a caller may rely on:
// - getVirtualArray(array) first forgets the plans whose array has left the tree, then returns
//   the plan kept for that array object, making one from the tree when there is none: every
//   logical drive below the array as the controller has it now, the array's drives, spares and
//   drive size, and which of RAID 6 and RAID 5 the controller offers with their default stripe
//   sizes. None for a device that is not an array below a controller.
// - dispose(array) forgets the plan of that array; the write operations call it when they are
//   done (transform), so a refused or written plan never becomes the start of the next one.
#ifndef VNL_OPERATIONS_VIRTUALARRAYFACTORY_H
#define VNL_OPERATIONS_VIRTUALARRAYFACTORY_H

#include <functional>

#include "common/sharedptr.h"
#include "core/device.h"
#include "operations/virtualarray.h"

namespace Operations {

class VirtualArrayFactory {
public:
    static Common::shared_ptr<VirtualArray> getVirtualArray(const Core::DevicePtr& array);
    static void dispose(const Core::DevicePtr& array);
    // What the write operations do with a plan: `change` it (false: ATTR_VALUE_STATUS_FAILURE),
    // save it, and dispose of it whatever came of it.
    static Core::OperationReturn transform(const Core::DevicePtr& array,
                                           const std::function<bool(VirtualArray&)>& change);
};

} // namespace Operations

#endif
