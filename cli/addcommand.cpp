// The add command with "drives": expands one array with unassigned physical drives. Every
// drive is checked (it exists, has the array's interface, is at least as large as the array's
// smallest drive, is unassigned) before anything is sent; an array holding RAID 1+0 logical
// drives that gets an odd number of drives asks first, as its RAID 1+0 drives will be
// migrated. "add spares=..." hands over to the spare handler.
#include <algorithm>
#include <cstdlib>

#include "cli/arraydrives.h"
#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/devlister.h"
#include "cli/storagecli.h"
#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

using namespace Interface::ConfigMod;
using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

namespace {

bool isArrayOrLogicalDrive(const CMFacade& facade, const Core::DevicePtr& device)
{
    return facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY) ||
        facade.isTargetType(device, ATTR_VALUE_TYPE_LOGICAL_DRIVE);
}

bool holdsRaid10(const CMFacade& facade, const Core::DevicePtr& array)
{
    const Core::DeviceList drives = devicesBelow(array, ATTR_VALUE_TYPE_LOGICAL_DRIVE);
    return std::any_of(drives.begin(), drives.end(), [&](const Core::DevicePtr& drive) {
        return facade.rawVal(drive, ATTR_NAME_RAID) == ATTR_VALUE_RAID_1;
    });
}

} // namespace

bool StorageCLI::allArraysOrLogicalDrives()
{
    for (const Core::DevicePtr& device : m_devices)
        if (!isArrayOrLogicalDrive(m_facade, device)) {
            CError::log(CLI_MESSAGES::ADD_TARGET, "", 1);
            return false;
        }
    return true;
}

void StorageCLI::ExecuteAddCommand()
{
    if (!m_params.empty() && m_params.front().first == "spares") {
        const std::string spares = CLI_HELPERS::popValue(m_params, "spares", "");
        const bool forced = CLI_HELPERS::popUnsettable(m_params, "forced");
        ExecuteAddSpareCommand(false, spares, forced);
        return;
    }
    const std::string drives = CLI_HELPERS::popValue(m_params, "drives", "");
    const bool forced = CLI_HELPERS::popUnsettable(m_params, "forced");
    bool error = false;
    extraneousCheck(error);
    if (error || !allArraysOrLogicalDrives())
        return;
    const Core::DevicePtr array = m_facade.array(m_devices.front());
    for (const Core::DevicePtr& device : m_devices)
        if (m_facade.array(device) != array) {
            CError::log(CLI_MESSAGES::ADD_ONE_ARRAY, "", 1);
            return;
        }
    if (drives.empty()) {
        CError::log(CLI_MESSAGES::ADD_USAGE, "", 1);
        return;
    }
    Core::DeviceLock lock(*array);
    const Core::DeviceOperationPtr operation = array->getOperation(OPERATION_WRITE_EXPAND_ARRAY);
    if (!operation) {
        CError::log(CLI_MESSAGES::NOT_SUPPORTED, "", 1);
        return;
    }
    const ArrayDrives::Refusals refusals{CLI_MESSAGES::DRIVE_TOO_SMALL, CLI_MESSAGES::DRIVE_NOT_UNASSIGNED, false,
                                         true};
    Core::DeviceList added;
    if (!ArrayDrives::chooseDrives(m_facade, array, drives, refusals, added))
        return;
    if (added.empty()) {
        CError::log(CLI_MESSAGES::NO_EXPANSION_DRIVES, "", 1);
        return;
    }
    if (holdsRaid10(m_facade, array) && added.size() % 2 != 0 && !forced &&
        !CLI_HELPERS::userResponse(CLI_MESSAGES::RAID10_PROMPT))
        return;
    const Core::CapabilityPtr capability =
        m_facade.attributeCapability(array, OPERATION_WRITE_EXPAND_ARRAY, ATTR_NAME_UNIQUE_ID);
    // The capability counts the drives that may still be added; the message, the array's drives.
    const std::string more =
        capability ? Common::toStdString(capability->getValueFor(ATTR_NAME_CARDINALITY_MULTIPLE_MAXIMUM)) : "";
    const unsigned long maximum = std::strtoul(more.c_str(), nullptr, 10);
    if (!more.empty() && added.size() > maximum) {
        const std::size_t members = ArrayDrives::linked(array, ASSOCIATION_DATA_DRIVE).size();
        CError::log(CLI_MESSAGES::MAXIMUM_DRIVES + std::to_string(members + maximum) + CLI_MESSAGES::MAXIMUM_DRIVES_END,
                    "", 1);
        return;
    }
    ArrayDrives::setDrives(m_facade, operation, added);
    performOn(array, operation);
}
