#include "operations/writemanagesspacl.h"

#include "core/devicefinder.h"
#include "operations/accesslist.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/settingcommands.h"
#include "operations/sspfilters.h"
#include "schema/storagemod.h"

namespace Operations {

using namespace Interface::MORUMod;

Core::OperationReturn WriteManageSSPACL::visit(Schema::LogicalDrive& drive)
{
    const Core::DevicePtr system = Core::storageSystemFinder(drive.getDevicePtr());
    auto* channel = dynamic_cast<SCSIDevice*>(system.get());
    std::uint16_t number = 0;
    if (channel == nullptr || !ReadLogicalDriveInfo::driveNumber(drive, number))
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    Core::OperationReturn result;
    AccessList list;
    if (!readAccessList(*channel, list, result))
        return result;
    for (auto argument = beginArgument(); argument != endArgument(); ++argument) {
        if (argument->second.first != ATTR_NAME_UNIQUE_ID)
            continue;
        std::uint8_t id[8] = {};
        if (!initiatorBelow(*system, argument->second.second.toString(), id) ||
            !setAccess(list, id, number, argument->first != ACTION_REMOVE))
            return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, ATTR_NAME_UNIQUE_ID);
    }
    writeAccessList(*channel, list, result);
    return result;
}

Core::FilterPtr WriteManageSSPACL::pFilterImpl() const { return Core::FilterPtr(new SspFilter()); }

} // namespace Operations
