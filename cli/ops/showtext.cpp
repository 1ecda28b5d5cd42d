#include "cli/ops/showtext.h"

#include "cli/cliprinter.h"
#include "cli/devlister.h"
#include "common/compoundlist.h"
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

bool has(const DeviceValues& device, const char* attribute) { return !device.raw(attribute).empty(); }

bool has(const CMFacade&, const Core::DevicePtr& device, const char* attribute)
{
    return has(DeviceValues(device), attribute);
}

} // namespace

// Every drive reports a SCSI bus and id; only a drive without a port or
// box and bay location is addressed by them.
DrivePlace drivePlace(const DeviceValues& drive)
{
    DrivePlace place;
    place.hasPort = has(drive, ATTR_NAME_PORT);
    place.hasBox = has(drive, ATTR_NAME_BOX);
    place.hasBay = has(drive, ATTR_NAME_BAY);
    place.scsi = !place.hasPort && !(place.hasBox && place.hasBay) && has(drive, ATTR_NAME_SCSI_BUS) &&
        has(drive, ATTR_NAME_SCSI_ID);
    if (place.scsi) {
        place.bus = drive.shown(ATTR_NAME_SCSI_BUS);
        place.id = drive.shown(ATTR_NAME_SCSI_ID);
    } else {
        place.port = drive.shown(ATTR_NAME_PORT);
        place.box = drive.shown(ATTR_NAME_BOX);
        place.bay = drive.shown(ATTR_NAME_BAY);
    }
    return place;
}

std::string driveAddress(const DrivePlace& place, unsigned idWidth)
{
    if (place.scsi)
        return place.bus + ":" + padded(place.id, idWidth);
    std::string address = place.port;
    for (const auto& [present, part] : {std::pair(place.hasBox, &place.box), std::pair(place.hasBay, &place.bay)})
        if (present)
            address += (address.empty() ? "" : ":") + *part;
    return address;
}

std::string driveLocation(const DrivePlace& place, unsigned pieceWidth)
{
    if (place.scsi)
        return "port " + place.bus + padded(":id " + place.id, pieceWidth);
    std::string box = padded(":box " + place.box, pieceWidth);
    std::string bay = padded(":bay " + place.bay, pieceWidth);
    if (place.hasPort)
        return "port " + place.port + box + bay;
    return box.substr(1) + bay;
}

std::span<const ShowRows::Row> locationRows(const CMFacade& facade, const Core::DevicePtr& drive)
{
    if (has(facade, drive, ATTR_NAME_PORT) || has(facade, drive, ATTR_NAME_BOX))
        return ShowRows::PORT_ROWS;
    return ShowRows::SCSI_ROWS;
}

std::string driveSize(const DeviceValues& drive)
{
    std::string size = drive.shown(ATTR_NAME_TOTAL_BLOCKS);
    return size.empty() ? "??? GB" : size;
}

std::string spareMark(const DeviceValues& drive)
{
    if (drive.raw(ATTR_NAME_IS_ACTIVE_SPARE) == ATTR_VALUE_IS_ACTIVE_SPARE_TRUE)
        return ", active spare";
    if (drive.raw(ATTR_NAME_DRIVE_TYPE) == ATTR_VALUE_DRIVE_TYPE_SPARE)
        return ", spare";
    return "";
}

std::string ldStatus(const DeviceValues& drive)
{
    std::string status = drive.shown(ATTR_NAME_STATUS);
    std::string raw = drive.raw(ATTR_NAME_STATUS);
    const char* progress = raw == ATTR_VALUE_STATUS_EXPANDING ? ATTR_NAME_EXPAND_PERCENT_COMPLETE
        : raw == ATTR_VALUE_STATUS_RECOVERING                 ? ATTR_NAME_REBUILD_PERCENT_COMPLETE
                                                              : nullptr;
    if (progress != nullptr)
        status += " " + drive.shown(progress) + " complete";
    return status;
}

std::string qrxStatus(const CMFacade& facade, const Core::DevicePtr& controller)
{
    const std::string raw = facade.rawVal(controller, ATTR_NAME_IS_QRX_SUPPORTED);
    if (raw.empty())
        return raw;
    return raw == ATTR_VALUE_IS_QRX_SUPPORTED_FALSE ? "Disabled" : "Enabled";
}

std::string batteryStatus(const CMFacade& facade, const Core::DevicePtr& controller)
{
    const std::string raw = facade.rawVal(controller, ATTR_NAME_BATTERY_STATUS);
    if (raw.empty())
        return raw;
    return raw == ATTR_VALUE_BATTERY_STATUS_NOT_FULLY_CHARGED ? "Recharging"
        : raw == ATTR_VALUE_BATTERY_STATUS_FAILED             ? "Failed (Replace Batteries)"
                                                              : "OK";
}

// The list holds the numbers of the failed batteries, several joined by the
// value delimiter.
std::string failedBatteries(const CMFacade& facade, const Core::DevicePtr& controller)
{
    const Common::CompoundList failed(facade.rawVal(controller, ATTR_NAME_BATTERY_FAILED_LIST).c_str(), true);
    std::string batteries;
    for (const Common::string& number : failed)
        if (!number.empty())
            batteries += (batteries.empty() ? "Battery " : ", Battery ") + Common::toStdString(number);
    return batteries;
}

Core::DevicePtr redundantPartner(const CMFacade& facade, const Core::DevicePtr& controller)
{
    const Core::DevicePtr system = facade.storagesystem(controller);
    if (!system || !has(facade, controller, ATTR_NAME_IO_SLOT))
        return Core::DevicePtr();
    for (const Core::DevicePtr& other : devicesBelow(system, ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
        if (other.get() != controller.get() && has(facade, other, ATTR_NAME_IO_SLOT))
            return other;
    return Core::DevicePtr();
}

Core::DevicePtr hostBusAdapter(const Core::DevicePtr& controller)
{
    const Core::DeviceList adapters = associated(controller, ASSOCIATION_INTERCONNECT_PATH);
    return adapters.empty() ? Core::DevicePtr() : adapters.front();
}

} // namespace ShowText
