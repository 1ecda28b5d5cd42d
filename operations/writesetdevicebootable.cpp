#include "operations/writesetdevicebootable.h"

#include "controller/bmiccommands.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/settingcommands.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;

// LOGICAL_DRIVE_CONFIG.bBIOSDisableFlag: the system BIOS does not boot from the drive.
constexpr std::uint8_t kBootDisabled = 0x01;

} // namespace

Core::OperationReturn WriteSetDeviceBootable::visit(Schema::ArrayController& controller)
{
    return makeBootable(controller, controller);
}

Core::OperationReturn WriteSetDeviceBootable::visit(Schema::StorageSystem& system)
{
    return makeBootable(system, system);
}

Core::OperationReturn WriteSetDeviceBootable::makeBootable(Core::Device& scope, BMICDevice& channel) const
{
    if (!hasArgument(ATTR_NAME_UNIQUE_ID))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, ATTR_NAME_UNIQUE_ID);
    const Core::DevicePtr drive = logicalDriveBelow(scope, getArgValue(ATTR_NAME_UNIQUE_ID));
    std::uint16_t number = 0;
    if (!drive || !ReadLogicalDriveInfo::driveNumber(*drive, number))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, ATTR_NAME_UNIQUE_ID);
    Core::OperationReturn result;
    SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> sense(number);
    if (!executeCommand(sense, channel, result) || !result)
        return result;
    LOGICAL_DRIVE_CONFIG config = sense.result();
    config.bBIOSDisableFlag = static_cast<std::uint8_t>(config.bBIOSDisableFlag & ~kBootDisabled);
    SetLogicalDriveCommand<SetLogicalDriveConfigurationTrait> set(number, config);
    executeWriteCommand(set, channel, result);
    return result;
}

} // namespace Operations
