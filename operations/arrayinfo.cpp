#include "operations/arrayinfo.h"

#include <algorithm>
#include <bit>
#include <iterator>

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "schema/schemaarray.h"

namespace Operations {

DriveSet driveSetFromBytes(const std::uint8_t (&bytes)[16])
{
    DriveSet drives;
    for (unsigned byte = 0; byte < 16; ++byte)
        for (unsigned bits = bytes[byte]; bits != 0; bits &= bits - 1)
            drives.set(byte * 8 + static_cast<unsigned>(std::countr_zero(bits)));
    return drives;
}

void driveSetToBytes(const DriveSet& drives, std::uint8_t (&bytes)[16])
{
    std::fill(std::begin(bytes), std::end(bytes), std::uint8_t{0});
    for (std::size_t n = 0; n < drives.size(); ++n)
        if (drives.test(n))
            bytes[n / 8] = static_cast<std::uint8_t>(bytes[n / 8] | (1u << (n % 8)));
}

namespace {

// The record of one logical drive from its configuration and status replies.
_ArrayInfo arrayInfoFor(unsigned logicalDrive, const LOGICAL_DRIVE_CONFIG& config, const LOGICAL_DRIVE_STATUS& status)
{
    _ArrayInfo record;
    if (logicalDrive < record.logicalDrives.size())
        record.logicalDrives.set(logicalDrive);
    record.dataDrives = driveSetFromBytes(config.pbBigDriveAssignmentMap);
    record.spareDrives = driveSetFromBytes(config.pbBigSpareAssignmentMap);
    record.activeSpares = driveSetFromBytes(status.pbBigActiveSpareBitmap);
    record.failedDrives = driveSetFromBytes(status.pbBigDriveFailureBitmap);
    return record;
}

} // namespace

Core::OperationReturn ScanLogicalDrives(BMICDevice& channel, const IDENTIFY_CONTROLLER& identify,
                                        ArrayInfoList& perLogicalDrive)
{
    Core::OperationReturn result;
    const unsigned configured = identify.bConfiguredLogicalDrives;
    unsigned found = 0;
    for (unsigned number = 0; number < MAX_LOGICAL_DRIVES && found < configured; ++number) {
        SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> config(static_cast<std::uint16_t>(number));
        executeCommand(config, channel, result);
        if (!result)
            break;
        // A number without drives is not configured: it has no status to ask for.
        if (config.result().wAssignedDrives == 0)
            continue;
        SenseLogicalDriveCommand<SenseLogicalDriveStatusTrait> status(static_cast<std::uint16_t>(number));
        executeCommand(status, channel, result);
        if (!result)
            break;
        perLogicalDrive.push_back(arrayInfoFor(number, config.result(), status.result()));
        ++found;
    }
    return result;
}

void AddArrayInfoToList(const _ArrayInfo& record, ArrayInfoList& list, const bool& keepSeparate)
{
    for (_ArrayInfo& existing : list) {
        if ((existing.dataDrives & record.dataDrives).none())
            continue;
        if (!keepSeparate) {
            existing.logicalDrives |= record.logicalDrives;
            existing.dataDrives |= record.dataDrives;
            existing.spareDrives |= record.spareDrives;
            existing.activeSpares |= record.activeSpares;
            existing.failedDrives |= record.failedDrives;
        }
        return;
    }
    list.push_back(record);
}

ArrayInfoList ArraysWithoutLogicalDrives(const Core::Device& device)
{
    ArrayInfoList records;
    for (auto child = device.beginChild(); child != device.endChild(); ++child) {
        const Schema::Array* array = dynamic_cast<const Schema::Array*>(child->get());
        if (array == nullptr || array->logicalDriveList().any() || array->isDeleted())
            continue;
        _ArrayInfo record;
        record.dataDrives = array->dataDriveList();
        record.spareDrives = array->spareDriveList();
        records.push_back(record);
    }
    return records;
}

} // namespace Operations
