// The delete command. Logical drives can only be removed from the end of an array or as a
// whole, so a selection of logical drives that makes up a whole array or a whole controller
// becomes that array or controller; any other selection of several logical drives is refused.
// Nothing is deleted before the user confirms (or "forced" is given); only the controllers
// written are read again.
#include <algorithm>

#include "cli/clierror.h"
#include "cli/cliformatter.h"
#include "cli/climessages.h"
#include "cli/consoleoutput.h"
#include "cli/devlister.h"
#include "cli/ops/deleteop.h"
#include "cli/storagecli.h"
#include "core/devicelock.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

bool StorageCLI::shouldDelete() { return CLI_HELPERS::userResponse(CLI_MESSAGES::DELETE_PROMPT); }

void StorageCLI::ExecuteDeleteCommand()
{
    const bool forced = CLI_HELPERS::popUnsettable(m_params, "forced");
    const bool wildcard = CLI_HELPERS::isWildcard(m_commandLine);
    // "controller all": a wildcard in the target words that name the controller.
    const bool allControllers = m_targetTokens.size() > 1 && CLI_HELPERS::isWildcard(m_targetTokens[1]);
    bool error = false;
    extraneousCheck(error);
    if (error || !widenDeleteSelection())
        return;
    const Core::DevicePtr first = m_devices.front();
    if (m_facade.isTargetType(first, ATTR_VALUE_TYPE_ARRAY) && !wildcard)
        ConsoleOutput::stream() << '\n' << CFormatter::format(CLI_MESSAGES::ARRAY_RENAMING, "Warning: ", 79) << "\n\n";
    if (allControllers && m_facade.isTargetType(first, ATTR_VALUE_TYPE_ARRAY_CONTROLLER)) {
        CError::log(CLI_MESSAGES::DELETE_ALL_CONTROLLERS, "", 1);
        return;
    }
    if (!forced && !shouldDelete())
        return;
    {
        Core::DeviceLock lock(*first);
        CDeleteOp remove(m_out);
        for (const Core::DevicePtr& device : m_devices) {
            // A controller's configuration in a storage system is the system's.
            const Core::DevicePtr target = m_facade.operationHome(device);
            m_written.push_back(target);
            remove(target);
        }
    }
    rereadWritten(false);
}

bool StorageCLI::widenDeleteSelection()
{
    const Core::DevicePtr first = m_devices.front();
    if (!m_facade.isTargetType(first, ATTR_VALUE_TYPE_LOGICAL_DRIVE))
        return true;
    const Core::DevicePtr controller = m_facade.controller(first);
    const Core::DevicePtr array = m_facade.array(first);
    const std::size_t onController = devicesBelow(DevicesHome(controller), ATTR_VALUE_TYPE_LOGICAL_DRIVE).size();
    const std::size_t onArray = devicesBelow(array, ATTR_VALUE_TYPE_LOGICAL_DRIVE).size();
    const bool oneArray = std::all_of(m_devices.begin(), m_devices.end(),
                                      [&](const Core::DevicePtr& drive) { return m_facade.array(drive) == array; });
    if (m_devices.size() == onController)
        m_devices = {controller};
    else if (oneArray && m_devices.size() == onArray)
        m_devices = {array};
    else if (m_devices.size() > 1) {
        CError::log(CLI_MESSAGES::DELETE_LAST_OR_ALL, "", 1);
        return false;
    }
    return true;
}
