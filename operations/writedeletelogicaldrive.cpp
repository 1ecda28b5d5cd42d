#include "operations/writedeletelogicaldrive.h"

#include "core/deviceoperation.h"
#include "operations/replycache.h"
#include "schema/storagemod.h"

namespace Operations {

Core::OperationReturn WriteDeleteLogicalDrive::ResetDefaults(Core::Device& controller)
{
    using namespace Interface::MORUMod;
    using namespace Interface::StorageMod;
    const bool storageSystem = controller.getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_STORAGE_SYSTEM;
    const Core::DeviceOperationPtr reader = controller.getOperation(
        storageSystem ? OPERATION_READ_STORAGE_SYSTEM_INFO : OPERATION_READ_ARRAY_CONTROLLER_INFO);
    if (!reader)
        return Core::OperationReturn(ATTR_VALUE_STATUS_NOT_SUPPORTED);
    ReplyCache::Drop();
    return controller.perform(reader);
}

} // namespace Operations
