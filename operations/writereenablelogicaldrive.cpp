#include "operations/writereenablelogicaldrive.h"

#include "controller/bmiccommands.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/replycache.h"
#include "operations/settingfilters.h"

namespace Operations {

Core::OperationReturn WriteReenableLogicalDrive::visit(Schema::LogicalDrive& drive)
{
    std::uint16_t number = 0;
    if (!ReadLogicalDriveInfo::driveNumber(drive, number))
        return Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_FAILURE);
    Core::OperationReturn result;
    NoTransferLogicalDriveCommand<BypassVolumeStateTrait> bypass(number);
    NoTransferLogicalDriveCommand<AcceptMediaExchangeTrait> accept(number);
    if (executeWriteCommand(bypass, drive, result) && result)
        executeWriteCommand(accept, drive, result);
    return result;
}

Core::FilterPtr WriteReenableLogicalDrive::pFilterImpl() const
{
    return Core::FilterPtr(new FailedLogicalDriveFilter());
}

} // namespace Operations
