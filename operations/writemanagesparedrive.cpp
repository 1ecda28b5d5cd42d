#include "operations/writemanagesparedrive.h"

#include <cstdlib>

#include "controller/bmiccommands.h"
#include "core/devicefinder.h"
#include "operations/arrayinfo.h"
#include "operations/logicaldriverecord.h"
#include "operations/replycache.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace ArrayFacts = Interface::StorageMod::Array;
namespace Drive = Interface::StorageMod::PhysicalDrive;

constexpr std::uint16_t kRaid0 = 0;

Core::DevicePtr physicalDrive(const Core::Device& scope, const Common::string& uniqueId)
{
    Core::DeviceFinder finder(scope.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    finder.Add(Core::Attribute(Core::ModelTerms::ATTR_NAME_UNIQUE_ID, uniqueId));
    return finder.find(Core::DeviceFinder::DIRECTION_DOWN);
}

Core::OperationReturn giveSpares(Schema::LogicalDrive& drive, const Schema::Array::DriveSet& spares)
{
    std::uint16_t number = 0;
    LOGICAL_DRIVE_CONFIG config{};
    Core::OperationReturn result = senseRecord(drive, number, config);
    if (!result || config.wFaultTolerance == kRaid0)
        return result;
    driveSetToBytes(spares, config.pbBigSpareAssignmentMap);
    config.dwSpareAssignmentBitmap = 0;
    SetLogicalDriveCommand<SetLogicalDriveConfigurationTrait> set(number, config);
    executeWriteCommand(set, drive, result);
    return result;
}

} // namespace

Core::FilterReturn WriteManageSpareDrive::FaultTolerantArrayFilter::applyImpl(const Core::DevicePtr& device) const
{
    if (device->getValueFor(ArrayFacts::ATTR_NAME_HAS_FAULT_TOLERANT_DRIVE) ==
        ArrayFacts::ATTR_VALUE_HAS_FAULT_TOLERANT_DRIVE_TRUE)
        return Core::FilterReturn();
    return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_NEEDS_FAULT_TOLERANT_LOGICAL_DRIVE);
}

Core::FilterPtr WriteManageSpareDrive::pFilterImpl() const { return Core::FilterPtr(new FaultTolerantArrayFilter()); }

bool WriteManageSpareDrive::readSpares(const Core::Device& scope, Schema::Array::DriveSet& spares) const
{
    Core::DeviceList drives;
    for (auto argument = beginArgument(); argument != endArgument(); ++argument) {
        if (argument->second.first != Core::ModelTerms::ATTR_NAME_UNIQUE_ID)
            continue;
        const Core::DevicePtr drive = physicalDrive(scope, argument->second.second.toString());
        if (!drive)
            return false;
        drives.push_back(drive);
    }
    for (const Core::DevicePtr& drive : drives) {
        const unsigned long index =
            std::strtoul(drive->getValueFor(Drive::ATTR_NAME_DEVICE_NUMBER).c_str(), nullptr, 10);
        if (drive->getValueFor(ATTR_NAME_STATUS) != Drive::ATTR_VALUE_STATUS_OK || index >= spares.size())
            continue;
        drive->Receive(Core::Attribute(Drive::ATTR_NAME_DRIVE_TYPE, Drive::ATTR_VALUE_DRIVE_TYPE_SPARE));
        spares.set(index);
    }
    return true;
}

Core::OperationReturn WriteManageSpareDrive::visit(Schema::Array& array)
{
    const Core::DevicePtr scope = array.hasParent() ? array.pParent() : Core::DevicePtr();
    Schema::Array::DriveSet spares;
    if (!scope || !readSpares(*scope, spares)) {
        Core::OperationReturn result(ATTR_VALUE_STATUS_ARGUMENT_INVALID);
        result.Receive(Core::Attribute(ATTR_NAME_ARGUMENT_NAME, Core::ModelTerms::ATTR_NAME_UNIQUE_ID));
        return result;
    }
    array.SpareDriveListIs(spares);
    Core::OperationReturn result;
    for (auto child = array.beginChild(); child != array.endChild() && result; ++child)
        if (auto* drive = dynamic_cast<Schema::LogicalDrive*>(child->get()))
            result = giveSpares(*drive, spares);
    return result;
}

} // namespace Operations
