#include "operations/writedeletelogicaldrive.h"

#include <algorithm>

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "controller/imgrimport.h"
#include "core/devicefinder.h"
#include "core/deviceoperation.h"
#include "operations/discoveroperation.h"
#include "operations/logicaldriverecord.h"
#include "operations/partitionsignatures.h"
#include "operations/replycache.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

// Statuses in which the drive's blocks cannot be trusted to be read or written.
bool keepsBlocksAlone(const Common::string& status)
{
    for (const char* unreadable :
         {ATTR_VALUE_STATUS_FAILED, ATTR_VALUE_STATUS_NOT_CONFIGURED, ATTR_VALUE_STATUS_WRONG_DRIVE_REPLACED,
          ATTR_VALUE_STATUS_NOT_YET_AVAILABLE, ATTR_VALUE_STATUS_DRIVE_IMPROPERLY_CONNECTED})
        if (status == unreadable)
            return true;
    return false;
}

std::uint64_t volumeBlocks(const LOGICAL_DRIVE_CONFIG& config)
{
    const DRIVE_PARAM_TABLE& table = config.logicalDriveParamTable;
    return config.qwBigBlocksInLogicalDrive != 0
        ? config.qwBigBlocksInLogicalDrive
        : std::uint64_t{table.wMaxCylinders} * table.bMaxHeads * table.bSectorsPerTrack;
}

Core::OperationReturn eraseSignatures(Schema::LogicalDrive& drive, std::uint16_t number,
                                      const LOGICAL_DRIVE_CONFIG& config)
{
    PartitionSignatures signatures(drive, number, volumeBlocks(config));
    Core::OperationReturn result = signatures.DeleteMBR();
    if (result)
        result = signatures.DeleteSWVR();
    if (result)
        result = signatures.DeleteEFI();
    return result;
}

Core::OperationReturn dropHostDevice(const Schema::LogicalDrive& drive)
{
    std::uint16_t none = 0;
    std::uint32_t length = sizeof none;
    if (ImgrImport::InfoMgrSetObjectInfo(drive.handle(), IMGR_SET_DROP_LOGICAL_DRIVE, 0, &none, &length) !=
        IMGR_STATUS_OK)
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    return Core::OperationReturn();
}

Core::DevicePtr parentOf(const Core::Device& device)
{
    return device.hasParent() ? device.pParent() : Core::DevicePtr();
}

// Runs `name` on `device` with `arguments` when the device offers it.
Core::OperationReturn resetOne(Core::Device& device, const char* name, const char* argument = nullptr,
                               const char* value = nullptr)
{
    const Core::DeviceOperationPtr operation = device.getOperation(name);
    if (!operation)
        return Core::OperationReturn();
    if (argument != nullptr)
        operation->SetArgument(
            Core::DeviceOperation::Argument(Core::DeviceOperation::ACTION_SET, Core::Attribute(argument, value)));
    else
        operation->setDefaultArguments(device.getDevicePtr());
    return device.perform(operation);
}

struct Doomed {
    Schema::LogicalDrive* drive;
    std::uint16_t number;
    LOGICAL_DRIVE_CONFIG config;
};

} // namespace

Core::FilterReturn WriteDeleteLogicalDrive::LastLogicalDriveFilter::applyImpl(const Core::DevicePtr& device) const
{
    const Core::DevicePtr array = parentOf(*device);
    if (array && device->hasAttribute(LogicalDrive::ATTR_NAME_DRIVE_NUMBER) &&
        array->getValueFor(Array::ATTR_NAME_LAST_DELETEABLE_LOGICAL_DRIVE) ==
            device->getValueFor(LogicalDrive::ATTR_NAME_DRIVE_NUMBER))
        return Core::FilterReturn();
    return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_NOT_LAST_LOGICAL_DRIVE_IN_ARRAY);
}

Core::FilterPtr WriteDeleteLogicalDrive::pFilterImpl() const { return Core::FilterPtr(new LastLogicalDriveFilter()); }

Core::OperationReturn WriteDeleteLogicalDrive::visit(Schema::LogicalDrive& drive)
{
    Core::OperationReturn result = deleteLuns(drive);
    return result ? afterLastLogicalDrive(drive) : result;
}

Core::OperationReturn WriteDeleteLogicalDrive::deleteLuns(Schema::LogicalDrive& drive)
{
    std::uint16_t number = 0;
    LOGICAL_DRIVE_CONFIG record{};
    Core::OperationReturn result = senseRecord(drive, number, record);
    return result ? deleteSensed(drive, number, record) : result;
}

Core::OperationReturn WriteDeleteLogicalDrive::deleteSensed(Schema::LogicalDrive& drive, std::uint16_t number,
                                                            LOGICAL_DRIVE_CONFIG config)
{
    Core::OperationReturn result;
    // A number the controller no longer holds is already deleted.
    if (config.wAssignedDrives == 0)
        return result;
    if (!keepsBlocksAlone(drive.getValueFor(ATTR_NAME_STATUS)))
        result = eraseSignatures(drive, number, config);
    if (result)
        result = dropHostDevice(drive);
    if (!result)
        return result;
    // bmicDelete: a record without drives removes the logical drive.
    config.wAssignedDrives = 0;
    SetLogicalDriveCommand<SetLogicalDriveConfigurationTrait> set(number, config);
    executeWriteCommand(set, drive, result);
    return result;
}

Core::OperationReturn WriteDeleteLogicalDrive::DeleteAll(Core::Device& scope)
{
    Core::DeviceFinder finder(scope.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_LOGICAL_DRIVE));
    Core::DeviceList found;
    finder.find(found, Core::DeviceFinder::DIRECTION_DOWN);
    std::vector<Doomed> doomed;
    Core::OperationReturn result;
    for (const Core::DevicePtr& device : found) {
        auto* drive = dynamic_cast<Schema::LogicalDrive*>(device.get());
        Doomed one{drive, 0, {}};
        if (drive == nullptr)
            return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
        if (result = senseRecord(*drive, one.number, one.config); !result)
            return result;
        doomed.push_back(one);
    }
    std::sort(doomed.begin(), doomed.end(),
              [](const Doomed& a, const Doomed& b) { return a.config.dwDataOffset > b.config.dwDataOffset; });
    for (const Doomed& one : doomed)
        if (result = deleteSensed(*one.drive, one.number, one.config); !result)
            return result;
    return doomed.empty() ? result : afterLastLogicalDrive(*doomed.front().drive);
}

Core::OperationReturn WriteDeleteLogicalDrive::afterLastLogicalDrive(Schema::LogicalDrive& drive)
{
    const Core::DevicePtr array = parentOf(drive);
    const Core::DevicePtr controller = array ? parentOf(*array) : Core::DevicePtr();
    IDENTIFY_CONTROLLER identify{};
    Core::OperationReturn result = IdentifyController(drive, identify);
    if (!result || !controller || identify.bConfiguredLogicalDrives != 0)
        return result;
    return ResetDefaults(*controller);
}

Core::OperationReturn WriteDeleteLogicalDrive::ResetDefaults(Core::Device& controller)
{
    namespace Config = Interface::ConfigMod;
    const bool storageSystem = controller.getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_STORAGE_SYSTEM;
    const Core::DeviceOperationPtr reader = controller.getOperation(
        storageSystem ? OPERATION_READ_STORAGE_SYSTEM_INFO : OPERATION_READ_ARRAY_CONTROLLER_INFO);
    if (!reader)
        return Core::OperationReturn(ATTR_VALUE_STATUS_NOT_SUPPORTED);
    Core::OperationReturn result = resetOne(controller, Config::OPERATION_WRITE_MANAGE_CONTROLLER_PARAMETERS);
    if (result)
        result = resetOne(controller, Config::OPERATION_WRITE_SET_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE);
    if (result)
        result = resetOne(controller, Config::OPERATION_WRITE_SET_DRIVE_WRITE_CACHE, ATTR_NAME_DRIVE_WRITE_CACHE,
                          ATTR_VALUE_DRIVE_WRITE_CACHE_DISABLED);
    if (!result)
        return result;
    ReplyCache::Drop();
    return controller.perform(reader);
}

} // namespace Operations
