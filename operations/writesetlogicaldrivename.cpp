#include "operations/writesetlogicaldrivename.h"

#include <algorithm>
#include <cstring>

#include "controller/bmiccommands.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/settingcommands.h"
#include "schema/storagemod.h"

namespace Operations {

Core::OperationReturn WriteSetLogicalDriveName::visit(Schema::LogicalDrive& drive)
{
    using namespace Interface::MORUMod;
    const char* const name = Interface::StorageMod::LogicalDrive::ATTR_NAME_LOGICAL_DRIVE_NAME;
    std::uint16_t number = 0;
    if (!hasArgument(name))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, name);
    if (!ReadLogicalDriveInfo::driveNumber(drive, number))
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    Core::OperationReturn result;
    SenseLogicalDriveCommand<IdentifyLogicalDriveTrait> identify(number);
    if (!executeCommand(identify, drive, result) || !result)
        return result;
    const Common::string text = getArgValue(name);
    LABEL_LOGICAL_DRIVE label{};
    label.dwLogicalDriveIdentifier = identify.result().dwVolumeIdentifier;
    std::memcpy(label.pbLogicalDriveLabel, text.c_str(), std::min(text.size(), sizeof label.pbLogicalDriveLabel));
    SetLogicalDriveCommand<LabelLogicalDriveTrait> set(number, label);
    executeWriteCommand(set, drive, result);
    return result;
}

} // namespace Operations
