// The command dispatch of StorageCLI and the services every handler shares:
// running one named operation on each selected device (ProcessOp) and the
// checks a handler makes before it changes anything.
#include <iostream>

#include "cli/clierror.h"
#include "cli/ops/opmessages.h"
#include "cli/storagecli.h"
#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "schema/configmod.h"
#include "schema/morumod.h"

using namespace Interface::MORUMod;

void StorageCLI::ExecuteCommand()
{
    if (m_error || m_params.empty())
        return;
    const std::string keyword = m_params.front().first;
    if (keyword == "rescan") {
        ExecuteRescanCommand();
        return;
    }
    m_devices.clear();
    const TargetFilter::DeviceVector none;
    m_targetFilter.input(m_commandLine, none.begin(), none.end(), false, keyword != "show");
    m_targetFilter.output(m_devices);
    m_params.pop_front();
    m_targetFilter.LockSelectedControllers();
    if (!m_devices.empty() && CError::errorCode() == 0 && keyword == "show") {
        // The whole tree shares one lock; holding it keeps a rescan out
        // while the handler walks the devices.
        Core::DeviceLock lock(*m_devices.front());
        ExecuteShowCommand();
    } else if (!m_devices.empty() && CError::errorCode() == 0) {
        // No handler changes a configuration in this release: say so rather
        // than end as if the change had been made.
        CError::log(OP_MESSAGES::NOT_SUPPORTED, "", 1);
    }
    m_targetFilter.ReportUnreadControllers();
    m_targetFilter.UnlockSelectedControllers();
}

void StorageCLI::ExecuteRescanCommand() { m_targetFilter.Rescan(); }

void StorageCLI::ProcessOp(const std::string& operation, const OpParams& params)
{
    for (const Core::DevicePtr& selected : m_devices) {
        if (!CError::isOK())
            return;
        Core::DevicePtr device = selected;
        bool redirected = operation != Interface::ConfigMod::OPERATION_WRITE_DISABLE_OTHER_CONTROLLER &&
                          m_facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY_CONTROLLER) && device->hasParent() &&
                          m_facade.isTargetType(device->pParent(), ATTR_VALUE_TYPE_STORAGE_SYSTEM);
        if (redirected)
            device = device->pParent();
        // Each device translates the values as typed: a size converted for
        // one device must not be converted again for the next.
        OpParams translated = params;
        if (!m_facade.processParams(device, operation, translated))
            continue;
        Core::DeviceOperationPtr op = device->getOperation(operation.c_str());
        for (const auto& [name, value] : translated)
            if (value != "default")
                op->SetArgument(Core::DeviceOperation::Argument(
                    Core::DeviceOperation::ACTION_SET, Core::Attribute(name.c_str(), value.c_str())));
        m_facade.opErrMsg(device->perform(op));
    }
}

void StorageCLI::forcedCheck(bool& error, bool forced, const std::string& prompt)
{
    if (!error && !forced && !CLI_HELPERS::userResponse(prompt))
        error = true;
}

void StorageCLI::extraneousCheck(bool& error)
{
    if (!error && isExtraneousParams())
        error = true;
}

void StorageCLI::targetCheck(bool& error, const std::string& type, const std::string& message)
{
    if (error || m_devices.empty() || m_facade.isTargetType(m_devices.front(), type))
        return;
    CError::log(message, "", 1);
    error = true;
}

void StorageCLI::valueCheck(bool& error, const std::string& value, const std::string& first,
                            const std::string& second, const std::string& third, const std::string& fourth)
{
    if (error)
        return;
    for (const std::string* allowed : {&first, &second, &third, &fourth})
        if (!allowed->empty() && value == *allowed)
            return;
    CError::log(OP_MESSAGES::INVALID_VALUE + value + OP_MESSAGES::INVALID_VALUE_END, "", 1);
    error = true;
}
