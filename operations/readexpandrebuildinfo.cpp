#include "operations/readexpandrebuildinfo.h"

#include "controller/bmiccommands.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/replycache.h"

namespace Operations {

Core::OperationReturn ReadExpandRebuildInfo::visit(Schema::LogicalDrive& drive)
{
    Core::OperationReturn result;
    std::uint16_t number = 0;
    if (!ReadLogicalDriveInfo::driveNumber(drive, number))
        return Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_FAILURE);
    SenseLogicalDriveCommand<SenseLogicalDriveStatusTrait> status(number);
    if (executeCachedCommand(status, drive, result) && result)
        ReadLogicalDriveInfo::publishProgressInfo(drive, status.result());
    ReplyCache::ForgetUnit(drive, number);
    return result;
}

} // namespace Operations
