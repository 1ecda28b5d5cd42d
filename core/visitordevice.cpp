#include "core/visitordevice.h"

#include "core/device.h"

namespace Core {

OperationReturn VisitorDevice::visit(Device& device) { return device.performImpl(*this); }

} // namespace Core
