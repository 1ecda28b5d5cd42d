#include "operations/readlogicaldriveinfo.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "controller/bmiccommands.h"
#include "core/devicefinder.h"
#include "operations/conversion.h"
#include "operations/fieldtext.h"
#include "operations/hextext.h"
#include "operations/readcontrollerfacts.h"
#include "operations/readscope.h"
#include "operations/replycache.h"
#include "schema/schemaarraycontroller.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::LogicalDrive;
namespace DriveFacts = Interface::StorageMod::PhysicalDrive;
using Interface::MORUMod::ATTR_NAME_TYPE;
using Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE;

// LOGICAL_DRIVE_STATUS.bUnitStatus codes with progress.
constexpr unsigned kReadyForRecovery = 4;
constexpr unsigned kRecovering = 5;
constexpr unsigned kExpanding = 10;
constexpr unsigned kQueuedForExpansion = 12;

// Bits of the configuration record.
constexpr std::uint8_t kBootDisabled = 0x01; // bBIOSDisableFlag
constexpr std::uint8_t kStripeSizeLockUp = 0x01; // bConfigurationFlags

const char* const kProgressFacts[] = {Facts::ATTR_NAME_BLOCKS_LEFT_TO_REBUILD, Facts::ATTR_NAME_BLOCKS_LEFT_TO_EXPAND,
                                      Facts::ATTR_NAME_REBUILD_PERCENT_COMPLETE,
                                      Facts::ATTR_NAME_EXPAND_PERCENT_COMPLETE};

bool parseUnsigned(const Common::string& text, std::uint64_t& value)
{
    const char* end = text.c_str() + text.size();
    auto [stop, error] = std::from_chars(text.c_str(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

bool isParityLevel(const Common::string& level)
{
    return level == Facts::ATTR_VALUE_RAID_4 || level == Facts::ATTR_VALUE_RAID_5 ||
        level == Facts::ATTR_VALUE_RAID_6 || level == Facts::ATTR_VALUE_RAID_51;
}

void markRebuilding(Schema::LogicalDrive& drive, std::uint16_t number, unsigned driveIndex)
{
    const Core::DevicePtr box = drive.hasParent() ? Core::storageSystemFinder(drive.getDevicePtr()) : Core::DevicePtr();
    if (!box)
        return;
    Core::DeviceFinder finder(box);
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    finder.Add(Core::Attribute(DriveFacts::ATTR_NAME_DEVICE_NUMBER, Core::AttributeValue(driveIndex)));
    if (const Core::DevicePtr rebuilt = finder.find(Core::DeviceFinder::DIRECTION_DOWN))
        publishReading(*rebuilt, DriveFacts::ATTR_NAME_STATUS, DriveFacts::ATTR_VALUE_STATUS_REBUILDING);
    const Common::Any held = box->getPrivateValueFor(PRIVATE_REBUILDING_DRIVES);
    RebuildingDrives rebuilding = held.get<RebuildingDrives>() ? *held.get<RebuildingDrives>() : RebuildingDrives();
    rebuilding[number] = driveIndex;
    box->ReceivePrivateAttribute(Core::PrivateAttribute(PRIVATE_REBUILDING_DRIVES, rebuilding));
}

Common::string labelText(const char (&label)[64]) { return printableText(label, strnlen(label, sizeof label)); }

} // namespace

Core::OperationReturn ReadLogicalDriveInfo::visit(Schema::LogicalDrive& drive)
{
    Core::OperationReturn result;
    std::uint16_t number = 0;
    if (!driveNumber(drive, number))
        return Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_FAILURE);
    publishSspInfo(drive);
    SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> config(number);
    SenseLogicalDriveCommand<SenseLogicalDriveStatusTrait> status(number);
    if (!executeCachedCommand(config, drive, result) || !result || !executeCachedCommand(status, drive, result) ||
        !result)
        return result;
    publishGeneralInfo(drive, config.result());
    publishSizeInfo(drive, config.result());
    publishStatusInfo(drive, status.result());
    publishActiveSpareInfo(drive, status.result());
    if (readScope() == ReadScope::Whole)
        readSettings(drive, number, result);
    return result;
}

void ReadLogicalDriveInfo::readSettings(Schema::LogicalDrive& drive, std::uint16_t number,
                                        Core::OperationReturn& result)
{
    SenseLogicalDriveCommand<IdentifyLogicalDriveTrait> identify(number);
    if (executeCachedCommand(identify, drive, result) && result)
        publishIdentifyInfo(drive, identify.result());
    SURFACE_STATUS surface{};
    if (senseController<SenseSurfaceStatusTrait>(drive, surface, result))
        publishSurfaceInfo(drive, surface);
    CACHE_CONFIG_STATUS cache{};
    if (senseController<SenseControllerCacheConfigStatusTrait>(drive, cache, result))
        publishAcceleratorInfo(drive, cache);
    readPreferredPath(drive, result);
}

void ReadLogicalDriveInfo::readPreferredPath(Schema::LogicalDrive& drive, Core::OperationReturn& result)
{
    namespace System = Interface::StorageMod::StorageSystem;
    const char* const slot = Interface::StorageMod::ATTR_NAME_IO_SLOT;
    const Core::DevicePtr box = drive.hasParent() ? Core::storageSystemFinder(drive.getDevicePtr()) : Core::DevicePtr();
    clearReading(drive, slot);
    if (!box ||
        box->getValueFor(System::ATTR_NAME_REDUNDANCY_MODE) !=
            System::ATTR_VALUE_REDUNDANCY_MODE_ASYMMETRICAL_ACTIVE_ACTIVE)
        return;
    std::uint16_t number = 0;
    REDUNDANT_CONTROLLER_PARAMETERS redundancy{};
    if (driveNumber(drive, number) && number < 32 &&
        senseController<SenseRedundantParameterTrait>(drive, redundancy, result))
        publishReading(drive, slot, (redundancy.dwPrefferedLunOwnership & (1u << number)) != 0 ? 1u : 0u);
}

void ReadLogicalDriveInfo::publishSspInfo(Schema::LogicalDrive& drive)
{
    const char* const state = Interface::StorageMod::ATTR_NAME_SSP_STATE;
    const Core::DevicePtr box = drive.hasParent() ? Core::storageSystemFinder(drive.getDevicePtr()) : Core::DevicePtr();
    clearReading(drive, state);
    if (box)
        publishReading(drive, state, box->getValueFor(state));
}

void ReadLogicalDriveInfo::publishStatusInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_STATUS& status)
{
    clearReading(drive, Facts::ATTR_NAME_STATUS);
    publishReading(drive, Facts::ATTR_NAME_STATUS, Schema::LogicalDrive::volumeStatus(status.bUnitStatus));
    publishProgressInfo(drive, status);
    publishReading(drive, Facts::ATTR_NAME_MEDIA_EXCHANGE_READY,
                   status.bMediaExchanged != 0 ? Facts::ATTR_VALUE_MEDIA_EXCHANGE_READY_TRUE
                                               : Facts::ATTR_VALUE_MEDIA_EXCHANGE_READY_FALSE);
    publishReading(drive, Facts::ATTR_NAME_EXPAND_FAILURE,
                   status.bExpandFailure != 0 ? Facts::ATTR_VALUE_EXPAND_FAILURE_TRUE
                                              : Facts::ATTR_VALUE_EXPAND_FAILURE_FALSE);
}

void ReadLogicalDriveInfo::publishProgressInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_STATUS& status)
{
    const std::uint64_t left = supportsOver2TB(drive) ? status.qwBigBlocksLeftToRecover : status.dwBlocksLeftToRecover;
    std::uint64_t useable = 0;
    parseUnsigned(drive.getValueFor(Facts::ATTR_NAME_USEABLE_BLOCKS), useable);
    for (const char* name : kProgressFacts)
        clearReading(drive, name);
    std::uint16_t number = 0;
    switch (status.bUnitStatus) {
    case kReadyForRecovery:
    case kRecovering:
        publishReading(drive, Facts::ATTR_NAME_BLOCKS_LEFT_TO_REBUILD, static_cast<unsigned long long>(left));
        if (driveNumber(drive, number))
            markRebuilding(drive, number, status.bBigDriveRebuilding);
        publishReading(drive, Facts::ATTR_NAME_REBUILD_PERCENT_COMPLETE, percentComplete(useable, left));
        break;
    case kExpanding:
        publishReading(drive, Facts::ATTR_NAME_BLOCKS_LEFT_TO_EXPAND, static_cast<unsigned long long>(left));
        publishReading(drive, Facts::ATTR_NAME_EXPAND_PERCENT_COMPLETE, percentComplete(useable, left));
        break;
    case kQueuedForExpansion:
        publishReading(drive, Facts::ATTR_NAME_BLOCKS_LEFT_TO_EXPAND, static_cast<unsigned long long>(left));
        publishReading(drive, Facts::ATTR_NAME_EXPAND_PERCENT_COMPLETE, "0");
        break;
    default:
        break;
    }
}

void ReadLogicalDriveInfo::publishActiveSpareInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_STATUS& status)
{
    // Each active spare with the drive it stands in for.
    Core::AttributeValue::ByteMap pairs;
    for (unsigned spare = 0; spare < 128; ++spare)
        if ((status.pbBigActiveSpareBitmap[spare / 8] & (1u << (spare % 8))) != 0)
            pairs[static_cast<unsigned char>(spare)] = status.pbBigSpareToReplaceBitmap[spare];
    clearReading(drive, Facts::ATTR_NAME_ACTIVE_SPARE_FOR_LIST);
    if (!pairs.empty())
        publishReading(drive, Facts::ATTR_NAME_ACTIVE_SPARE_FOR_LIST, pairs);
}

void ReadLogicalDriveInfo::publishGeneralInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_CONFIG& config)
{
    publishReading(drive, Facts::ATTR_NAME_RAID, Schema::LogicalDrive::faultTolerance(config.wFaultTolerance));
    publishReading(drive, Facts::ATTR_NAME_DATA_OFFSET, static_cast<unsigned>(config.dwDataOffset));
    publishReading(drive, Facts::ATTR_NAME_DRIVES_FOR_FAULT_TOLERANCE,
                   static_cast<unsigned>(config.wDrivesConsumedForFaultTolerance));
    publishReading(drive, Facts::ATTR_NAME_STRIPE_SIZE, static_cast<unsigned>(config.wDistribution));
    publishReading(drive, Facts::ATTR_NAME_BOOT_SUPPORT,
                   (config.bBIOSDisableFlag & kBootDisabled) != 0 ? Facts::ATTR_VALUE_BOOT_SUPPORT_DISABLED
                                                                  : Facts::ATTR_VALUE_BOOT_SUPPORT_ENABLED);
    clearReading(drive, Facts::ATTR_NAME_STATE);
    if ((config.bConfigurationFlags & kStripeSizeLockUp) != 0)
        publishReading(drive, Facts::ATTR_NAME_STATE, Facts::ATTR_VALUE_STATE_POTENTIAL_STRIPE_SIZE_LOCK_UP);
    clearReading(drive, Facts::ATTR_NAME_VOLUME_UNIQUE_IDENTIFIER);
}

void ReadLogicalDriveInfo::publishIdentifyInfo(Schema::LogicalDrive& drive, const IDENTIFY_LOGICAL_DRIVE& identify)
{
    publishReading(drive, Facts::ATTR_NAME_LOGICAL_DRIVE_NAME, labelText(identify.sVolumeLabel));
    const std::uint8_t* id = identify.bPage83Identifier;
    if (std::any_of(id, id + sizeof identify.bPage83Identifier, [](std::uint8_t byte) { return byte != 0; }))
        publishReading(drive, Facts::ATTR_NAME_VOLUME_UNIQUE_IDENTIFIER, hexText(identify.bPage83Identifier));
}

void ReadLogicalDriveInfo::publishSizeInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_CONFIG& config)
{
    const DRIVE_PARAM_TABLE& table = config.logicalDriveParamTable;
    const unsigned cylinders = table.wMaxCylinders, heads = table.bMaxHeads, sectors = table.bSectorsPerTrack;
    const std::uint64_t big = config.qwBigBlocksInLogicalDrive;
    const std::uint64_t useable = big != 0 ? big : std::uint64_t{cylinders} * heads * sectors;
    const std::uint64_t extendedPerDrive = config.qwExtendedBlocksPerDrive;
    const std::uint64_t perDrive = extendedPerDrive != 0 ? extendedPerDrive : config.dwBlocksPerDrive;
    publishReading(drive, Facts::ATTR_NAME_USEABLE_BLOCKS, static_cast<unsigned long long>(useable));
    publishReading(drive, Facts::ATTR_NAME_BLOCKS_PER_DRIVE, static_cast<unsigned long long>(perDrive));
    publishReading(drive, Facts::ATTR_NAME_TOTAL_BLOCKS,
                   static_cast<unsigned long long>(perDrive * config.wAssignedDrives));
    publishReading(drive, Facts::ATTR_NAME_BLOCK_SIZE, static_cast<unsigned>(config.wBlockSize));
    publishReading(drive, Facts::ATTR_NAME_CYLINDERS, cylinders);
    publishReading(drive, Facts::ATTR_NAME_HEADS, heads);
    publishReading(drive, Facts::ATTR_NAME_SECTORS, sectors);
    publishReading(drive, Facts::ATTR_NAME_IS_BIG_LOGICAL_DRIVE,
                   big != 0 ? Facts::ATTR_VALUE_IS_BIG_LOGICAL_DRIVE_TRUE
                            : Facts::ATTR_VALUE_IS_BIG_LOGICAL_DRIVE_FALSE);
}

void ReadLogicalDriveInfo::publishAcceleratorInfo(Schema::LogicalDrive& drive, const CACHE_CONFIG_STATUS& cache)
{
    std::uint16_t number = 0;
    if (!driveNumber(drive, number))
        return;
    const bool disabled = cache.bDisableFlag != 0 || number >= 32 || (cache.dwCacheDisabledMap & (1u << number)) != 0;
    publishReading(drive, Facts::ATTR_NAME_ARRAY_ACCELERATOR,
                   disabled ? Facts::ATTR_VALUE_ARRAY_ACCELERATOR_DISABLED
                            : Facts::ATTR_VALUE_ARRAY_ACCELERATOR_ENABLED);
}

void ReadLogicalDriveInfo::publishSurfaceInfo(Schema::LogicalDrive& drive, const SURFACE_STATUS& surface)
{
    std::uint16_t number = 0;
    if (!driveNumber(drive, number) || number >= 32)
        return;
    publishReading(drive, Facts::ATTR_NAME_SURFACE_ANALYSIS_PASSES,
                   static_cast<unsigned>(surface.pdwSurfaceAnalysisPasses[number]));
    publishReading(drive, Facts::ATTR_NAME_SURFACE_ANALYSIS_PASS_TIME,
                   static_cast<unsigned>(surface.pdwSurfaceAnalysisPassTime[number]));
    publishReading(drive, Facts::ATTR_NAME_SURFACE_ANALYSIS_BLOCKS_REASSIGNED,
                   static_cast<unsigned>(surface.pdwBlocksReassigned[number]));
    // Parity is initialised in the background after creation, one logical drive at a time.
    clearReading(drive, Facts::ATTR_NAME_PARITY_INITIALIZATION_STATUS);
    const bool initialising = surface.wCurrentVolume == number && surface.bInitializationPercentageComplete < 100;
    if (isParityLevel(drive.getValueFor(Facts::ATTR_NAME_RAID)) && initialising)
        publishReading(drive, Facts::ATTR_NAME_PARITY_INITIALIZATION_STATUS,
                       Facts::ATTR_VALUE_PARITY_INITIALIZATION_STATUS_IN_PROGRESS);
}

bool ReadLogicalDriveInfo::driveNumber(const Core::Device& drive, std::uint16_t& number)
{
    std::uint64_t value = 0;
    if (!parseUnsigned(drive.getValueFor(Facts::ATTR_NAME_DRIVE_NUMBER), value) || value > 0xFFFF)
        return false;
    number = static_cast<std::uint16_t>(value);
    return true;
}

Common::string ReadLogicalDriveInfo::percentComplete(std::uint64_t useable, std::uint64_t left)
{
    if (useable == 0 || left >= useable)
        return "0";
    return Conversion::toString(static_cast<double>(useable - left) * 100.0 / static_cast<double>(useable));
}

} // namespace Operations
