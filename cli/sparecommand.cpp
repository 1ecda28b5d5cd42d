// Adding and removing an array's spare drives ("add spares=...", "remove spares=...", and the
// modify command's "spares"). The operation is given the array's complete new spare set; a
// failed spare is dropped from it, after the user agrees (or "forced" is given when adding).
#include <algorithm>

#include "cli/arraydrives.h"
#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/storagecli.h"
#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

using namespace Interface::ConfigMod;
using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

namespace {

// The spare operation of `array`; reported as not supported when it has none.
Core::DeviceOperationPtr spareOperation(const Core::DevicePtr& array)
{
    Core::DeviceOperationPtr operation =
        array ? array->getOperation(OPERATION_WRITE_MANAGE_SPARE_DRIVE) : Core::DeviceOperationPtr();
    if (!operation)
        CError::log(CLI_MESSAGES::NOT_SUPPORTED, "", 1);
    return operation;
}

} // namespace

void StorageCLI::ExecuteAddSpareCommand(bool fromModify, const std::string& spares, bool forced)
{
    bool error = false;
    extraneousCheck(error);
    if (error || !allArraysOrLogicalDrives())
        return;
    if (spares.empty()) {
        CError::log(CLI_MESSAGES::ADD_USAGE, "", 1);
        return;
    }
    const ArrayDrives::Refusals refusals{CLI_MESSAGES::SPARE_TOO_SMALL, CLI_MESSAGES::NOT_SPARE_CANDIDATE, true, false};
    eachSpareArray([&](const Core::DevicePtr& array, const Core::DeviceList& current, Core::DeviceList& chosen) {
        if (!fromModify)
            chosen = current;
        return ArrayDrives::chooseDrives(m_facade, array, spares, refusals, chosen) &&
            (forced || !ArrayDrives::anyFailed(m_facade, current) ||
             CLI_HELPERS::userResponse(CLI_MESSAGES::FAILED_SPARES_PROMPT));
    });
}

void StorageCLI::ExecuteRemoveSpareCommand(bool fromModify, const std::string& spares)
{
    if (spares.empty()) {
        CError::log(CLI_MESSAGES::REMOVE_USAGE, "", 1);
        return;
    }
    bool error = false;
    extraneousCheck(error);
    if (error || !allArraysOrLogicalDrives())
        return;
    eachSpareArray([&](const Core::DevicePtr& array, const Core::DeviceList& current, Core::DeviceList& remaining) {
        if (current.empty()) {
            CError::log(CLI_MESSAGES::NO_SPARES_FOUND + m_facade.deviceName(array), "", 1);
            return false;
        }
        return (spares == "all" || fromModify || remainingSpares(array, current, spares, remaining)) &&
            (!ArrayDrives::anyFailed(m_facade, current) ||
             CLI_HELPERS::userResponse(CLI_MESSAGES::FAILED_SPARES_PROMPT));
    });
}

void StorageCLI::eachSpareArray(const SpareChoice& choose)
{
    eachSelected([&](const Core::DevicePtr& device) {
        const Core::DevicePtr array = m_facade.array(device);
        Core::DeviceLock lock(*device);
        const Core::DeviceOperationPtr operation = spareOperation(array);
        Core::DeviceList chosen;
        if (!operation || !choose(array, ArrayDrives::linked(array, ASSOCIATION_SPARE_DRIVE), chosen))
            return;
        ArrayDrives::setDrives(m_facade, operation, chosen);
        performOn(array, operation);
    });
}

// The spares of `current` that `list` does not name; false after reporting an address that is
// not one of them.
bool StorageCLI::remainingSpares(const Core::DevicePtr& array, const Core::DeviceList& current, const std::string& list,
                                 Core::DeviceList& remaining)
{
    std::vector<std::string> removed;
    for (const ArrayDrives::Address& address : ArrayDrives::addresses(list)) {
        const Core::DevicePtr drive = m_facade.findDrive(m_facade.controller(array), address.parts);
        const std::string number = m_facade.rawVal(drive, ATTR_NAME_DEVICE_NUMBER);
        const bool isSpare = drive && std::any_of(current.begin(), current.end(), [&](const Core::DevicePtr& spare) {
                                 return m_facade.rawVal(spare, ATTR_NAME_DEVICE_NUMBER) == number;
                             });
        if (isSpare)
            removed.push_back(number);
        else if (!address.marked) {
            CError::log(CLI_MESSAGES::NOT_A_SPARE + address.text, "", 1);
            return false;
        }
    }
    for (const Core::DevicePtr& spare : current)
        if (std::find(removed.begin(), removed.end(), m_facade.rawVal(spare, ATTR_NAME_DEVICE_NUMBER)) == removed.end())
            remaining.push_back(spare);
    return true;
}
