#include "operations/readphysicaldriveinfo.h"

#include <functional>
#include <iterator>

#include "controller/bmiccommands.h"
#include "core/devicefinder.h"
#include "operations/fieldtext.h"
#include "operations/readcontrollerfacts.h"
#include "operations/replycache.h"
#include "operations/silentdrive.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::PhysicalDrive;

const char* const kInterfaces[] = {
    Facts::ATTR_VALUE_INTERFACE_PARALLEL,     Facts::ATTR_VALUE_INTERFACE_SATA,        Facts::ATTR_VALUE_INTERFACE_SAS,
    Facts::ATTR_VALUE_INTERFACE_SATA_LOGICAL, Facts::ATTR_VALUE_INTERFACE_SAS_LOGICAL,
};
constexpr unsigned kParallel = 0;
constexpr unsigned kSata = 1;

constexpr std::uint8_t kDriveOk = 0x01; // bPhysicalDriveFlags
constexpr std::uint8_t kPredictiveFailure = 0x0A; // bMorePhysicalDriveFlags, bits 1 and 3
constexpr std::uint8_t kNcqCapable = 0x40; // bEvenMoreDeviceFlags
constexpr std::uint8_t kNcqEnabled = 0x80;
constexpr std::uint8_t kNoLocation = 255;

bool sReadMonitoringCounters = true;

// The monitoring counters and where the statistics reply keeps them.
using Counter = std::function<unsigned long long(const SENSE_MNP_STATISTICS&)>;
const std::pair<const char*, Counter> kCounters[] = {
    {Facts::ATTR_NAME_MNP_SERVICE_HOURS, [](const auto& s) { return s.dwReferenceTime; }},
    {Facts::ATTR_NAME_MNP_SECTORS_READ, [](const auto& s) { return s.qwSectorsRead; }},
    {Facts::ATTR_NAME_MNP_SECTORS_WRITTEN, [](const auto& s) { return s.qwSectorsWritten; }},
    {Facts::ATTR_NAME_MNP_SEEK_COUNT, [](const auto& s) { return s.qwSeekCount; }},
    {Facts::ATTR_NAME_MNP_SEEK_ERRORS, [](const auto& s) { return s.qwSeekErrors; }},
    {Facts::ATTR_NAME_MNP_HARD_READ_ERRORS, [](const auto& s) { return s.dwReadErrorsHard; }},
    {Facts::ATTR_NAME_MNP_HARD_WRITE_ERRORS, [](const auto& s) { return s.dwWriteErrorsHard; }},
    {Facts::ATTR_NAME_MNP_ECC_RECOVERED_READ_ERRORS, [](const auto& s) { return s.qwReadErrorsECCCorrected; }},
    {Facts::ATTR_NAME_MNP_RETRY_RECOVERED_READ_ERRORS, [](const auto& s) { return s.dwReadErrorsRetryRecovered; }},
    {Facts::ATTR_NAME_MNP_RETRY_RECOVERED_WRITE_ERRORS, [](const auto& s) { return s.dwWriteErrorsRetryRecovered; }},
    {Facts::ATTR_NAME_MNP_FAILED_READ_RECOVERS, [](const auto& s) { return s.wRecoversFailedRead; }},
    {Facts::ATTR_NAME_MNP_FAILED_WRITE_RECOVERS, [](const auto& s) { return s.wRecoversFailedWrite; }},
    {Facts::ATTR_NAME_MNP_FORMAT_ERRORS, [](const auto& s) { return s.wFormatErrors; }},
    {Facts::ATTR_NAME_MNP_MEDIA_FAILURES, [](const auto& s) { return s.wMediaFailures; }},
    {Facts::ATTR_NAME_MNP_NOT_READY_ERRORS, [](const auto& s) { return s.dwNotReadyFailures; }},
    {Facts::ATTR_NAME_MNP_HARDWARE_ERRORS, [](const auto& s) { return s.wHardwareErrors; }},
    {Facts::ATTR_NAME_MNP_ABORTED_COMMANDS, [](const auto& s) { return s.wAbortedCommandFailures; }},
    {Facts::ATTR_NAME_MNP_SPIN_UP_ERRORS, [](const auto& s) { return s.wSpinUpFailures; }},
    {Facts::ATTR_NAME_MNP_BAD_TARGET_ERRORS, [](const auto& s) { return s.wBadTargetCount; }},
    {Facts::ATTR_NAME_MNP_SCSI_BUS_FAULTS, [](const auto& s) { return s.dwBusFaults; }},
    {Facts::ATTR_NAME_MNP_OTHER_TIME_OUTS, [](const auto& s) { return s.wOtherTimeOuts; }},
    {Facts::ATTR_NAME_MNP_DRQ_TIME_OUTS, [](const auto& s) { return s.wDRQTimeOuts; }},
    {Facts::ATTR_NAME_MNP_HOT_PLUG_COUNT, [](const auto& s) { return s.dwHotPlugCount; }},
};

// Whether a logical drive of the drive's controller recorded this drive as being rebuilt.
bool isBeingRebuilt(const Schema::PhysicalDrive& drive)
{
    const Core::DevicePtr box = drive.hasParent() ? Core::storageSystemFinder(drive.getDevicePtr()) : Core::DevicePtr();
    if (!box)
        return false;
    const Common::Any held = box->getPrivateValueFor(PRIVATE_REBUILDING_DRIVES);
    const RebuildingDrives* rebuilding = held.get<RebuildingDrives>();
    if (rebuilding == nullptr)
        return false;
    for (const auto& entry : *rebuilding)
        if (entry.second == drive.driveIndex())
            return true;
    return false;
}

const char* driveStatus(const Schema::PhysicalDrive& drive, const PHYSICAL_DRIVE_STATUS& status)
{
    if ((status.bMorePhysicalDriveFlags & kPredictiveFailure) != 0)
        return Facts::ATTR_VALUE_STATUS_PREDICTIVE_FAILURE;
    if ((status.bPhysicalDriveFlags & kDriveOk) == 0)
        return Facts::ATTR_VALUE_STATUS_FAILED;
    return isBeingRebuilt(drive) ? Facts::ATTR_VALUE_STATUS_REBUILDING : Facts::ATTR_VALUE_STATUS_OK;
}

void publishLocation(Schema::PhysicalDrive& drive, const PHYSICAL_DRIVE_STATUS& status)
{
    publishReading(drive, Facts::ATTR_NAME_SCSI_BUS, static_cast<unsigned>(status.bSCSIBus));
    publishReading(drive, Facts::ATTR_NAME_SCSI_ID, static_cast<unsigned>(status.bSCSIID));
    if (status.bDeviceType == kParallel)
        return;
    if (status.bPhysicalBox == kNoLocation || status.bPhysicalBay == kNoLocation) {
        publishReading(drive, Facts::ATTR_NAME_PORT, Facts::ATTR_VALUE_PORT_UNKNOWN);
        publishReading(drive, Facts::ATTR_NAME_BOX, Facts::ATTR_VALUE_BOX_UNKNOWN);
        publishReading(drive, Facts::ATTR_NAME_BAY, Facts::ATTR_VALUE_BAY_UNKNOWN);
        return;
    }
    publishReading(drive, Facts::ATTR_NAME_PORT, fieldText(status.sPhysicalPort));
    publishReading(drive, Facts::ATTR_NAME_BOX, static_cast<unsigned>(status.bPhysicalBox));
    publishReading(drive, Facts::ATTR_NAME_BAY, static_cast<unsigned>(status.bPhysicalBay));
}

void publishQueuing(Schema::PhysicalDrive& drive, const PHYSICAL_DRIVE_STATUS& status)
{
    clearReading(drive, Facts::ATTR_NAME_NCQ_CAPABLE);
    clearReading(drive, Facts::ATTR_NAME_NCQ_ENABLED);
    if (status.bDeviceType != kSata)
        return;
    const bool capable = (status.bEvenMoreDeviceFlags & kNcqCapable) != 0;
    publishReading(drive, Facts::ATTR_NAME_NCQ_CAPABLE,
                   capable ? Facts::ATTR_VALUE_NCQ_CAPABLE_TRUE : Facts::ATTR_VALUE_NCQ_CAPABLE_FALSE);
    if (capable)
        publishReading(drive, Facts::ATTR_NAME_NCQ_ENABLED,
                       (status.bEvenMoreDeviceFlags & kNcqEnabled) != 0 ? Facts::ATTR_VALUE_NCQ_ENABLED_TRUE
                                                                        : Facts::ATTR_VALUE_NCQ_ENABLED_FALSE);
}

} // namespace

Core::OperationReturn ReadPhysicalDriveInfo::visit(Schema::PhysicalDrive& drive)
{
    Core::OperationReturn result;
    SensePhysicalDriveCommand<IdentifyPhysicalDriveTrait> identify(drive.driveIndex());
    const bool identified = executeCachedCommand(identify, drive, result) && result;
    ReplyCache::ForgetPhysicalDrive(drive, drive.driveIndex());
    if (!identified && isSilentDrive(identify)) {
        publishSilentDrive(drive);
        return Core::OperationReturn();
    }
    if (!identified) {
        publishReading(drive, Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_FAILED);
        return result;
    }
    publishDriveInfo(drive, identify.result());
    if (!sReadMonitoringCounters)
        return result;
    SensePhysicalDriveCommand<SenseMNPStatisticsTrait> statistics(drive.driveIndex());
    if (executeCommand(statistics, drive, result) && result)
        ReadMNPInfo(drive, statistics.result());
    return result;
}

void ReadPhysicalDriveInfo::publishDriveInfo(Schema::PhysicalDrive& drive, const PHYSICAL_DRIVE_STATUS& status)
{
    publishReading(drive, Facts::ATTR_NAME_STATUS, driveStatus(drive, status));
    publishReading(drive, Facts::ATTR_NAME_INTERFACE, interfaceName(status.bDeviceType));
    publishReading(drive, Facts::ATTR_NAME_STAMPED,
                   status.bTalvaneDriveStamped != 0 ? Facts::ATTR_VALUE_STAMPED_YES : Facts::ATTR_VALUE_STAMPED_NO);
    publishQueuing(drive, status);
    publishLocation(drive, status);
    publishReading(drive, Facts::ATTR_NAME_DRIVE_MODEL, fieldText(status.sDriveModel));
    publishReading(drive, Facts::ATTR_NAME_SERIAL_NUMBER, fieldText(status.sDriveSerialNumber));
    publishReading(drive, Facts::ATTR_NAME_FIRMWARE_REVISION, fieldText(status.sDriveFirmwareRevision));
    publishReading(drive, Facts::ATTR_NAME_TOTAL_BLOCKS, totalBlocks(status));
    publishReading(drive, Facts::ATTR_NAME_BLOCK_SIZE, static_cast<unsigned>(status.wBlockSize));
    publishReading(drive, Facts::ATTR_NAME_RIS_BLOCKS, static_cast<unsigned>(status.dwReservedBlocks));
    const unsigned rpm = status.dwRPM;
    clearReading(drive, Facts::ATTR_NAME_ROTATIONAL_SPEED);
    if (rpm != 0)
        publishReading(drive, Facts::ATTR_NAME_ROTATIONAL_SPEED, rpm);
}

void ReadPhysicalDriveInfo::ReadMNPInfo(Schema::PhysicalDrive& drive, const SENSE_MNP_STATISTICS& statistics)
{
    for (const auto& [name, counter] : kCounters)
        publishReading(drive, name, counter(statistics));
}

void ReadPhysicalDriveInfo::readMonitoringCounters(bool read) { sReadMonitoringCounters = read; }

const char* ReadPhysicalDriveInfo::interfaceName(unsigned code)
{
    return code < std::size(kInterfaces) ? kInterfaces[code] : Facts::ATTR_VALUE_INTERFACE_UNKNOWN;
}

unsigned long long ReadPhysicalDriveInfo::totalBlocks(const PHYSICAL_DRIVE_STATUS& status)
{
    const unsigned long long big = status.qwBIGTotalBlockCount;
    return big != 0 ? big : status.dwTotalBlocks;
}

} // namespace Operations
