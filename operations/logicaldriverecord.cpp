#include "operations/logicaldriverecord.h"

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "operations/readlogicaldriveinfo.h"

namespace Operations {

Core::OperationReturn senseRecord(Schema::LogicalDrive& drive, std::uint16_t& number, LOGICAL_DRIVE_CONFIG& record)
{
    if (!ReadLogicalDriveInfo::driveNumber(drive, number))
        return Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_FAILURE);
    Core::OperationReturn result;
    SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> sense(number);
    if (executeCommand(sense, drive, result) && result)
        record = sense.result();
    return result;
}

} // namespace Operations
