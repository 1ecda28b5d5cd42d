#include "cli/ops/createop.h"

#include <algorithm>
#include <set>

#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/consoleoutput.h"
#include "cli/devlister.h"
#include "core/deviceoperation.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

using namespace Interface::ConfigMod;
using namespace Interface::MORUMod;
using namespace Interface::StorageMod;
using Common::fromStdString;
using Common::toStdString;

namespace {

const char* const DRIVE_TYPE_WORDS[] = {"parallelscsi", "sas", "saslogical", "sata", "satalogical"};

bool isSuccess(const Core::OperationReturn& result)
{
    return static_cast<bool>(result) == static_cast<bool>(Core::OperationReturn(ATTR_VALUE_STATUS_SUCCESS));
}

void setArgument(const Core::DeviceOperationPtr& op, const std::string& name, const std::string& value)
{
    op->SetArgument(Core::DeviceOperation::Argument(Core::DeviceOperation::ACTION_SET,
                                                    Core::Attribute(fromStdString(name), fromStdString(value))));
}

void logError(const std::string& message, const std::string& detail = "") { CError::log(message, detail, 1); }

} // namespace

bool CCreateOp::getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation)
{
    operation = Core::DeviceOperationPtr();
    Core::DevicePtr controller = m_facade.controller(device);
    if (controller && controller->hasParent() &&
        m_facade.isTargetType(controller->pParent(), ATTR_VALUE_TYPE_STORAGE_SYSTEM))
        controller = controller->pParent();
    if (!m_params.driveType.empty() && !driveTypeCheck(controller))
        return false;
    m_interface = m_facade.toConfigMod(ATTR_NAME_INTERFACE, m_params.driveType);
    bool created = false;
    Core::DevicePtr array = arraySetup(device, controller, created);
    if (!array)
        return false;
    const bool made = ldSetup(array);
    // An array made here for a logical drive that was not made (a "?" query
    // included) is taken away again.
    if (created && !made && devicesBelow(array, ATTR_VALUE_TYPE_LOGICAL_DRIVE).empty())
        DeleteArray(array);
    return false;
}

bool CCreateOp::driveTypeCheck(const Core::DevicePtr& controller)
{
    std::set<std::string> present;
    for (const Core::DevicePtr& drive : devicesBelow(DevicesHome(controller), ATTR_VALUE_TYPE_PHYSICAL_DRIVE))
        present.insert(m_facade.rawVal(drive, ATTR_NAME_INTERFACE));
    std::string lines;
    for (const char* word : DRIVE_TYPE_WORDS)
        if (present.count(m_facade.toConfigMod(ATTR_NAME_INTERFACE, word)))
            lines += std::string("\n   ") + word;
    const std::string options = m_facade.optionsText(lines);
    if (m_params.driveType == "?") {
        ConsoleOutput::stream() << options << std::endl;
        return false;
    }
    if (present.count(m_facade.toConfigMod(ATTR_NAME_INTERFACE, m_params.driveType)))
        return true;
    logError(m_facade.capError(controller, ATTR_NAME_INTERFACE, m_params.driveType), options);
    return false;
}

Core::DevicePtr CCreateOp::arraySetup(const Core::DevicePtr& device, const Core::DevicePtr& controller, bool& created)
{
    if (m_facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY))
        return device;
    const std::string list = m_params.drives.empty() ? "allunassigned" : m_params.drives;
    Core::DeviceList drives;
    if (!m_facade.getPDList(controller, list, drives, m_interface))
        return Core::DevicePtr();
    if (drives.empty()) {
        logError(list == "allunassigned" ? CLI_MESSAGES::NO_UNASSIGNED_DRIVES : CLI_MESSAGES::DRIVES_NOT_DETECTED);
        return Core::DevicePtr();
    }
    const bool allData = std::all_of(drives.begin(), drives.end(), [&](const Core::DevicePtr& drive) {
        return m_facade.rawVal(drive, ATTR_NAME_DRIVE_TYPE) == ATTR_VALUE_DRIVE_TYPE_DATA;
    });
    if (allData)
        return m_facade.getArray(drives);
    Core::DevicePtr array = CreateArray(controller, drives);
    created = static_cast<bool>(array);
    return array;
}

bool CCreateOp::ldSetup(const Core::DevicePtr& array)
{
    OpParams values = {{ATTR_NAME_RAID, m_params.raid},
                       {ATTR_NAME_STRIPE_SIZE, m_params.stripeSize},
                       {ATTR_NAME_SECTORS, m_params.sectors},
                       {ATTR_NAME_USEABLE_BLOCKS, m_params.size}};
    OpParams accelerator = {{ATTR_NAME_ARRAY_ACCELERATOR, m_params.arrayAccelerator}};
    if (!m_facade.processParams(array, OPERATION_WRITE_CREATE_LOGICAL_DRIVE, values) ||
        !m_facade.processParams(array, OPERATION_WRITE_CREATE_LOGICAL_DRIVE, accelerator))
        return false;
    Core::DeviceOperationPtr op = array->getOperation(OPERATION_WRITE_CREATE_LOGICAL_DRIVE);
    if (!op) {
        logError(CLI_MESSAGES::NOT_SUPPORTED);
        return false;
    }
    for (const auto& [name, value] : accelerator)
        if (value != "default")
            setArgument(op, name, value);
    for (const auto& [name, value] : values)
        if (value != "default")
            setArgument(op, name, value);
    const Core::OperationReturn result = array->perform(op);
    m_facade.opErrMsg(result);
    return isSuccess(result) && CError::isOK();
}

Core::DevicePtr CCreateOp::CreateArray(const Core::DevicePtr& controller, const Core::DeviceList& drives)
{
    const std::string interface = m_facade.rawVal(drives.front(), ATTR_NAME_INTERFACE);
    if (std::any_of(drives.begin(), drives.end(), [&](const Core::DevicePtr& drive) {
            return m_facade.rawVal(drive, ATTR_NAME_INTERFACE) != interface;
        })) {
        logError(CLI_MESSAGES::DIFFERING_DRIVE_TYPES);
        return Core::DevicePtr();
    }
    Core::DeviceOperationPtr op = controller->getOperation(OPERATION_WRITE_CREATE_ARRAY);
    if (!op) {
        logError(CLI_MESSAGES::NOT_SUPPORTED);
        return Core::DevicePtr();
    }
    for (const Core::DevicePtr& drive : drives)
        if (m_facade.rawVal(drive, ATTR_NAME_DRIVE_TYPE) == ATTR_VALUE_DRIVE_TYPE_UNASSIGNED)
            setArgument(op, ATTR_NAME_UNIQUE_ID, m_facade.rawVal(drive, ATTR_NAME_UNIQUE_ID));
    const Core::OperationReturn result = controller->perform(op);
    m_facade.opErrMsg(result);
    if (!CError::isOK())
        return Core::DevicePtr();
    const std::string number = toStdString(result.getValueFor(ATTR_NAME_ARRAY_NUMBER));
    for (const Core::DevicePtr& array : devicesBelow(controller, ATTR_VALUE_TYPE_ARRAY))
        if (!number.empty() && m_facade.rawVal(array, ATTR_NAME_ARRAY_NUMBER) == number)
            return array;
    logError(CLI_MESSAGES::NOT_SUPPORTED);
    return Core::DevicePtr();
}

bool CCreateOp::DeleteArray(const Core::DevicePtr& array)
{
    Core::DeviceOperationPtr op = array->getOperation(OPERATION_WRITE_DELETE_ARRAY);
    return op && isSuccess(array->perform(op));
}
