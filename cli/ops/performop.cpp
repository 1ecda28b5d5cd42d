#include "cli/ops/performop.h"

bool CPerformOp::getDeviceOp(const Core::DevicePtr&, Core::DeviceOperationPtr& operation)
{
    operation = Core::DeviceOperationPtr();
    return true;
}

void CPerformOp::operator()(const Core::DevicePtr& device)
{
    Core::DeviceOperationPtr operation;
    if (!getDeviceOp(device, operation))
        return;
    // A subclass that chose no operation has nothing to perform.
    if (operation)
        m_facade.opErrMsg(device->perform(operation));
}
