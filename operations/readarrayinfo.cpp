#include "operations/readarrayinfo.h"

#include <algorithm>

#include "controller/bmiccommands.h"
#include "operations/readphysicaldriveinfo.h"
#include "operations/replycache.h"
#include "operations/silentdrive.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::Array;
namespace DriveFacts = Interface::StorageMod::LogicalDrive;

constexpr unsigned kFailed = 1;
constexpr unsigned kExpanding = 10;
constexpr unsigned kQueuedForExpansion = 12;

ReadArrayInfo::Extent extentOf(unsigned number, const LOGICAL_DRIVE_CONFIG& config, const LOGICAL_DRIVE_STATUS& status)
{
    const std::uint64_t extendedOffset = config.qwExtendedOffsetToData;
    const std::uint64_t extendedPerDrive = config.qwExtendedBlocksPerDrive;
    ReadArrayInfo::Extent extent;
    extent.number = number;
    extent.offset = extendedOffset != 0 ? extendedOffset : config.dwDataOffset;
    extent.blocksPerDrive = extendedPerDrive != 0 ? extendedPerDrive : config.dwBlocksPerDrive;
    extent.faultTolerant =
        Schema::LogicalDrive::faultTolerance(config.wFaultTolerance) != DriveFacts::ATTR_VALUE_RAID_0;
    extent.failed = status.bUnitStatus == kFailed;
    extent.transforming = status.bUnitStatus == kExpanding || status.bUnitStatus == kQueuedForExpansion;
    return extent;
}

// What publishCommonDriveSize reads from the array's drives.
constexpr const char* kDriveSizeFacts[] = {Facts::ATTR_NAME_TOTAL_BLOCKS_PER_PHYSICAL_DRIVE,
                                           Facts::ATTR_NAME_RIS_BLOCKS_PER_PHYSICAL_DRIVE,
                                           Facts::ATTR_NAME_PHYSICAL_DRIVE_BLOCK_SIZE, Facts::ATTR_NAME_INTERFACE};

const char* truth(bool value, const char* yes, const char* no) { return value ? yes : no; }

} // namespace

Core::OperationReturn ReadArrayInfo::visit(Schema::Array& array)
{
    std::uint64_t usablePerDrive = 0;
    Core::OperationReturn result = publishCommonDriveSize(array, usablePerDrive);
    if (!result)
        return result;
    ExtentList extents;
    result = readExtents(array, extents);
    if (!result)
        return result;
    const bool failedLogicalDrive = publishLayout(array, extents, usablePerDrive);
    // With no data drive that answered, the unused space is not known.
    if (!array.hasAttribute(Facts::ATTR_NAME_TOTAL_BLOCKS_PER_PHYSICAL_DRIVE))
        clearReading(array, Facts::ATTR_NAME_FREE_BLOCKS);
    const char* status = Facts::ATTR_VALUE_STATUS_OK;
    if (failedLogicalDrive || array.failedDriveList().any())
        status = Facts::ATTR_VALUE_STATUS_FAILED;
    else if (array.getValueFor(Facts::ATTR_NAME_ARRAY_HAS_GAPS) == Facts::ATTR_VALUE_ARRAY_HAS_GAPS_TRUE)
        status = Facts::ATTR_VALUE_STATUS_LOGICAL_DRIVES_NOT_CONTIGUOUS;
    publishReading(array, Facts::ATTR_NAME_STATUS, status);
    return result;
}

Core::OperationReturn ReadArrayInfo::publishCommonDriveSize(Schema::Array& array, std::uint64_t& usablePerDrive)
{
    Core::OperationReturn result;
    bool first = true;
    for (const char* name : kDriveSizeFacts)
        clearReading(array, name);
    for (std::uint16_t index = 0; index < 128; ++index) {
        if (!array.dataDriveList().test(index))
            continue;
        SensePhysicalDriveCommand<IdentifyPhysicalDriveTrait> identify(index);
        Core::OperationReturn asked;
        executeCachedCommand(identify, array, asked);
        // A drive that does not answer is a failed drive; the others still give the size.
        if (!asked && isSilentDrive(identify))
            continue;
        if (!asked)
            return asked;
        const PHYSICAL_DRIVE_STATUS& drive = identify.result();
        const std::uint64_t total = ReadPhysicalDriveInfo::totalBlocks(drive);
        const std::uint64_t reserved = drive.dwReservedBlocks;
        const std::uint64_t usable = total > reserved ? total - reserved : 0;
        if (!first && usable >= usablePerDrive)
            continue;
        usablePerDrive = usable;
        publishReading(array, Facts::ATTR_NAME_TOTAL_BLOCKS_PER_PHYSICAL_DRIVE, static_cast<unsigned long long>(total));
        publishReading(array, Facts::ATTR_NAME_RIS_BLOCKS_PER_PHYSICAL_DRIVE,
                       static_cast<unsigned long long>(reserved));
        publishReading(array, Facts::ATTR_NAME_PHYSICAL_DRIVE_BLOCK_SIZE, static_cast<unsigned>(drive.wBlockSize));
        publishReading(array, Facts::ATTR_NAME_INTERFACE, ReadPhysicalDriveInfo::interfaceName(drive.bDeviceType));
        first = false;
    }
    return result;
}

Core::OperationReturn ReadArrayInfo::readExtents(Schema::Array& array, ExtentList& extents)
{
    Core::OperationReturn result;
    for (std::uint16_t number = 0; number < 32; ++number) {
        if (!array.logicalDriveList().test(number))
            continue;
        SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> config(number);
        SenseLogicalDriveCommand<SenseLogicalDriveStatusTrait> status(number);
        if (!executeCachedCommand(config, array, result) || !result || !executeCachedCommand(status, array, result) ||
            !result)
            return result;
        if (config.result().wAssignedDrives != 0)
            extents.push_back(extentOf(number, config.result(), status.result()));
    }
    return result;
}

bool ReadArrayInfo::publishLayout(Schema::Array& array, ExtentList extents, std::uint64_t usablePerDrive)
{
    extents.sort([](const Extent& a, const Extent& b) { return a.offset < b.offset; });
    std::uint64_t next = 0;
    bool gaps = false, faultTolerant = false, failed = false, transforming = false;
    for (const Extent& extent : extents) {
        gaps = gaps || extent.offset > next;
        next = std::max(next, extent.offset + extent.blocksPerDrive);
        faultTolerant = faultTolerant || extent.faultTolerant;
        failed = failed || extent.failed;
        transforming = transforming || extent.transforming;
    }
    const std::uint64_t freePerDrive = usablePerDrive > next ? usablePerDrive - next : 0;
    publishReading(array, Facts::ATTR_NAME_FREE_BLOCKS,
                   static_cast<unsigned long long>(freePerDrive * array.dataDriveList().count()));
    publishReading(array, Facts::ATTR_NAME_NEXT_DATA_OFFSET, static_cast<unsigned long long>(next));
    clearReading(array, Facts::ATTR_NAME_LAST_DELETEABLE_LOGICAL_DRIVE);
    if (!extents.empty())
        publishReading(array, Facts::ATTR_NAME_LAST_DELETEABLE_LOGICAL_DRIVE, extents.back().number);
    publishReading(array, Facts::ATTR_NAME_HAS_FAULT_TOLERANT_DRIVE,
                   truth(faultTolerant, Facts::ATTR_VALUE_HAS_FAULT_TOLERANT_DRIVE_TRUE,
                         Facts::ATTR_VALUE_HAS_FAULT_TOLERANT_DRIVE_FALSE));
    publishReading(array, Facts::ATTR_NAME_ARRAY_HAS_GAPS,
                   truth(gaps, Facts::ATTR_VALUE_ARRAY_HAS_GAPS_TRUE, Facts::ATTR_VALUE_ARRAY_HAS_GAPS_FALSE));
    publishReading(array, Facts::ATTR_NAME_IS_ARRAY_TRANSFORMING,
                   truth(transforming, Facts::ATTR_VALUE_IS_ARRAY_TRANSFORMING_TRUE,
                         Facts::ATTR_VALUE_IS_ARRAY_TRANSFORMING_FALSE));
    return failed;
}

} // namespace Operations
