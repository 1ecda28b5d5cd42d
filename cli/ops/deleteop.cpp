#include "cli/ops/deleteop.h"

#include "cli/clierror.h"
#include "cli/climessages.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

using namespace Interface::ConfigMod;
using namespace Interface::MORUMod;

bool CDeleteOp::getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation)
{
    const bool controller = m_facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY_CONTROLLER) ||
        m_facade.isTargetType(device, ATTR_VALUE_TYPE_STORAGE_SYSTEM);
    const char* name = controller                              ? OPERATION_WRITE_CLEAR_CONFIGURATION
        : m_facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY) ? OPERATION_WRITE_DELETE_ARRAY
                                                               : OPERATION_WRITE_DELETE_LOGICAL_DRIVE;
    operation = device->getOperation(name);
    if (operation)
        return true;
    CError::log(controller ? std::string(CLI_MESSAGES::CLEAR_FAILED)
                           : CLI_MESSAGES::COULD_NOT_DELETE + m_facade.deviceName(device),
                "", 1);
    return false;
}
