#include "operations/writerenumberlogicaldrive.h"

#include <cstdlib>

#include "controller/bmiccommands.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/settingcommands.h"
#include "schema/storagemod.h"

namespace Operations {

Core::OperationReturn WriteRenumberLogicalDrive::visit(Schema::LogicalDrive& drive)
{
    using namespace Interface::MORUMod;
    const char* const name = Interface::StorageMod::LogicalDrive::ATTR_NAME_DRIVE_NUMBER;
    if (!hasArgument(name))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, name);
    const Common::string text = getArgValue(name);
    char* end = nullptr;
    const unsigned long wanted = std::strtoul(text.c_str(), &end, 10);
    std::uint16_t present = 0;
    const bool number = !text.empty() && text.c_str()[0] >= '0' && text.c_str()[0] <= '9' && *end == '\0';
    if (!number || wanted >= 32 || !ReadLogicalDriveInfo::driveNumber(drive, present) || present >= 32)
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, name);
    REORDER_LOGICAL_DRIVES table{};
    table.pbUnitNumber[present] = static_cast<std::uint8_t>(wanted);
    table.pbUnitNumber[wanted] = static_cast<std::uint8_t>(present);
    Core::OperationReturn result;
    SetControllerCommand<ReorderLogicalDriveTrait> reorder(table);
    executeWriteCommand(reorder, drive, result);
    return result;
}

} // namespace Operations
