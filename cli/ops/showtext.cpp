#include "cli/ops/showtext.h"

#include "cli/cliprinter.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

namespace ShowText {

namespace {

std::string padded(std::string text, unsigned width)
{
    CLIPrinter::bufferLine(text, width);
    return text;
}

bool has(const CMFacade& facade, const Core::DevicePtr& drive, const char* attribute)
{
    return !facade.rawVal(drive, attribute).empty();
}

// Every drive reports a SCSI bus and id; only a drive without a port or
// box and bay location is addressed by them.
bool isScsiAddressed(const CMFacade& facade, const Core::DevicePtr& drive)
{
    bool located =
        has(facade, drive, ATTR_NAME_PORT) || (has(facade, drive, ATTR_NAME_BOX) && has(facade, drive, ATTR_NAME_BAY));
    return !located && has(facade, drive, ATTR_NAME_SCSI_BUS) && has(facade, drive, ATTR_NAME_SCSI_ID);
}

} // namespace

std::string driveAddress(const CMFacade& facade, const Core::DevicePtr& drive, unsigned idWidth)
{
    if (isScsiAddressed(facade, drive))
        return facade.attrVal(drive, ATTR_NAME_SCSI_BUS) + ":" +
            padded(facade.attrVal(drive, ATTR_NAME_SCSI_ID), idWidth);
    std::string address = facade.attrVal(drive, ATTR_NAME_PORT);
    for (const char* part : {ATTR_NAME_BOX, ATTR_NAME_BAY})
        if (has(facade, drive, part))
            address += (address.empty() ? "" : ":") + facade.attrVal(drive, part);
    return address;
}

std::string driveLocation(const CMFacade& facade, const Core::DevicePtr& drive, unsigned pieceWidth)
{
    if (isScsiAddressed(facade, drive))
        return "port " + facade.attrVal(drive, ATTR_NAME_SCSI_BUS) +
            padded(":id " + facade.attrVal(drive, ATTR_NAME_SCSI_ID), pieceWidth);
    std::string box = padded(":box " + facade.attrVal(drive, ATTR_NAME_BOX), pieceWidth);
    std::string bay = padded(":bay " + facade.attrVal(drive, ATTR_NAME_BAY), pieceWidth);
    if (has(facade, drive, ATTR_NAME_PORT))
        return "port " + facade.attrVal(drive, ATTR_NAME_PORT) + box + bay;
    return box.substr(1) + bay;
}

std::string driveSize(const CMFacade& facade, const Core::DevicePtr& drive)
{
    std::string size = facade.attrVal(drive, ATTR_NAME_TOTAL_BLOCKS);
    return size.empty() ? "??? GB" : size;
}

std::string spareMark(const CMFacade& facade, const Core::DevicePtr& drive)
{
    if (facade.rawVal(drive, ATTR_NAME_IS_ACTIVE_SPARE) == ATTR_VALUE_IS_ACTIVE_SPARE_TRUE)
        return ", active spare";
    if (facade.rawVal(drive, ATTR_NAME_DRIVE_TYPE) == ATTR_VALUE_DRIVE_TYPE_SPARE)
        return ", spare";
    return "";
}

std::string ldStatus(const CMFacade& facade, const Core::DevicePtr& drive)
{
    std::string status = facade.attrVal(drive, ATTR_NAME_STATUS);
    std::string raw = facade.rawVal(drive, ATTR_NAME_STATUS);
    const char* progress = raw == ATTR_VALUE_STATUS_EXPANDING ? ATTR_NAME_EXPAND_PERCENT_COMPLETE
        : raw == ATTR_VALUE_STATUS_RECOVERING                 ? ATTR_NAME_REBUILD_PERCENT_COMPLETE
                                                              : nullptr;
    if (progress != nullptr)
        status += " " + facade.attrVal(drive, progress) + " complete";
    return status;
}

} // namespace ShowText
