#include "operations/writemanagesspstate.h"

#include "controller/scsicmds.h"
#include "operations/accesslist.h"
#include "operations/replycache.h"
#include "operations/settingcommands.h"
#include "operations/sspfilters.h"
#include "schema/storagemod.h"

namespace Operations {

namespace Facts = Interface::StorageMod::StorageSystem;
using namespace Interface::MORUMod;

Core::OperationReturn WriteManageSSPState::visit(Schema::StorageSystem& system)
{
    const char* const name = Facts::ATTR_NAME_SSP_STATE;
    if (!hasArgument(name))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, name);
    const Common::string state = getArgValue(name);
    if (state != Facts::ATTR_VALUE_SSP_STATE_ENABLED && state != Facts::ATTR_VALUE_SSP_STATE_DISABLED)
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, name);
    SCSIDevice& channel = system;
    Core::OperationReturn result;
    if (state == Facts::ATTR_VALUE_SSP_STATE_DISABLED) {
        SSP2DisableACL disable;
        executeWriteCommand(disable, channel, result);
        return result;
    }
    AccessList list;
    if (readAccessList(channel, list, result)) {
        list.enabled = true;
        writeAccessList(channel, list, result);
    }
    return result;
}

Core::FilterPtr WriteManageSSPState::pFilterImpl() const { return Core::FilterPtr(new SspFilter()); }

} // namespace Operations
