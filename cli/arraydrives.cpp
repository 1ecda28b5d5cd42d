#include "cli/arraydrives.h"

#include <algorithm>

#include "cli/clierror.h"
#include "cli/clihelpers.h"
#include "cli/climessages.h"
#include "cli/clirangeexpander.h"
#include "cli/devlister.h"
#include "operations/conversion.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;
using Conversion::SizeConvert;

namespace ArrayDrives {

Core::DeviceList linked(const Core::DevicePtr& array, const char* association)
{
    Core::DeviceList devices;
    const Core::DeviceAssociationPtr links = array ? array->getAssociation(association) : Core::DeviceAssociationPtr();
    if (links)
        for (auto device = links->beginDevice(); device != links->endDevice(); ++device)
            devices.push_back(*device);
    return devices;
}

double megabytes(const CMFacade& facade, const Core::DevicePtr& drive)
{
    SizeConvert::EnUnitType unit = SizeConvert::UNIT_MB;
    return SizeConvert::convertFromBlocks(Common::fromStdString(facade.rawVal(drive, ATTR_NAME_TOTAL_BLOCKS)), unit,
                                          SizeConvert::CONVERT_BINARY);
}

double smallestDataDrive(const CMFacade& facade, const Core::DevicePtr& array)
{
    const Core::DeviceList data = linked(array, ASSOCIATION_DATA_DRIVE);
    double smallest = 0;
    for (const Core::DevicePtr& drive : data)
        if (const double size = megabytes(facade, drive); smallest == 0 || size < smallest)
            smallest = size;
    return smallest;
}

bool anyFailed(const CMFacade& facade, const Core::DeviceList& drives)
{
    return std::any_of(drives.begin(), drives.end(), [&](const Core::DevicePtr& drive) {
        return facade.rawVal(drive, ATTR_NAME_STATUS) == ATTR_VALUE_STATUS_FAILED;
    });
}

std::vector<Address> addresses(const std::string& list)
{
    std::vector<Address> found;
    for (const std::string& piece : CLI_HELPERS::cli_split(CRangeExpander::expandDriveNumbers(list), false, ',')) {
        Address address;
        address.marked = piece.find('*') != std::string::npos;
        address.parts = CLI_HELPERS::cli_split(piece, false, ':');
        for (std::string& part : address.parts)
            part = part.substr(0, part.find('*'));
        address.text = CLI_HELPERS::fuse(address.parts.begin(), address.parts.end(), ":");
        found.push_back(address);
    }
    return found;
}

namespace {

struct Joining {
    const CMFacade& facade;
    Core::DevicePtr sample; // a data drive of the array
    double minimum;
    const Refusals& refusals;

    bool isFree(const Core::DevicePtr& drive) const
    {
        const std::string type = facade.rawVal(drive, ATTR_NAME_DRIVE_TYPE);
        return type == ATTR_VALUE_DRIVE_TYPE_UNASSIGNED || (refusals.sparesFree && type == ATTR_VALUE_DRIVE_TYPE_SPARE);
    }
    // Why `drive` (at `address`) may not join; empty when it may.
    std::string refusal(const Core::DevicePtr& drive, const std::string& address) const
    {
        const bool small = drive && megabytes(facade, drive) < minimum;
        if (drive && !facade.isDriveArrayType(drive, sample))
            return CLI_MESSAGES::COULD_NOT_ADD_DRIVE + address + CLI_MESSAGES::DRIVE_MIXING;
        if (small && refusals.sizeFirst)
            return CLI_MESSAGES::DRIVE + address + refusals.tooSmall;
        if (!drive || !isFree(drive))
            return CLI_MESSAGES::DRIVE + address + refusals.notFree;
        if (small)
            return CLI_MESSAGES::DRIVE + address + refusals.tooSmall;
        return std::string();
    }
};

} // namespace

bool chooseDrives(const CMFacade& facade, const Core::DevicePtr& array, const std::string& list,
                  const Refusals& refusals, Core::DeviceList& chosen)
{
    const Core::DeviceList data = linked(array, ASSOCIATION_DATA_DRIVE);
    const Joining joining{facade, data.empty() ? Core::DevicePtr() : data.front(), smallestDataDrive(facade, array),
                          refusals};
    const Core::DevicePtr controller = facade.controller(array);
    if (list == "all" || list == "allunassigned") {
        for (const Core::DevicePtr& drive : devicesBelow(DevicesHome(controller), ATTR_VALUE_TYPE_PHYSICAL_DRIVE))
            if (joining.refusal(drive, "").empty())
                chosen.push_back(drive);
        return true;
    }
    const std::vector<Address> named = addresses(list);
    if (!CError::isOK()) // a range the expander refused has been reported
        return false;
    for (const Address& address : named) {
        const Core::DevicePtr drive = facade.findDrive(controller, address.parts);
        if (!drive && address.marked)
            continue;
        const std::string refusal = joining.refusal(drive, address.text);
        if (!refusal.empty()) {
            CError::log(refusal, "", 1);
            return false;
        }
        chosen.push_back(drive);
    }
    return true;
}

void setDrives(const CMFacade& facade, const Core::DeviceOperationPtr& operation, const Core::DeviceList& drives)
{
    for (const Core::DevicePtr& drive : drives)
        operation->SetArgument(Core::DeviceOperation::Argument(
            Core::DeviceOperation::ACTION_SET,
            Core::Attribute(ATTR_NAME_UNIQUE_ID, Common::fromStdString(facade.rawVal(drive, ATTR_NAME_UNIQUE_ID)))));
}

} // namespace ArrayDrives
