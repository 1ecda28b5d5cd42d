#include "sim/volumegeometry.h"

#include <cstring>

#include "controller/driveparametertable.h"

namespace Sim {

DriveSet driveSetFromBytes(const std::uint8_t (&bytes)[16])
{
    DriveSet set;
    for (unsigned i = 0; i < 128; ++i)
        if (bytes[i / 8] & (1u << (i % 8)))
            set.set(i);
    return set;
}

void driveSetToBytes(const DriveSet& set, std::uint8_t (&bytes)[16])
{
    std::memset(bytes, 0, sizeof bytes);
    for (unsigned i = 0; i < 128; ++i)
        if (set.test(i))
            bytes[i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
}

unsigned dataDriveCount(unsigned raidCode, unsigned n)
{
    switch (raidCode) {
    case RAID0:
        return n >= 1 ? n : 0;
    case RAID4:
    case RAID5:
        return n >= 3 ? n - 1 : 0;
    case RAID1:
        return n >= 2 && n % 2 == 0 ? n / 2 : 0;
    case RAID51:
        return n >= 6 && n % 2 == 0 ? n / 2 - 1 : 0;
    case RAID6:
        return n >= 4 ? n - 2 : 0;
    default:
        return 0;
    }
}

unsigned toleratedFailures(unsigned raidCode)
{
    switch (raidCode) {
    case RAID0:
        return 0;
    case RAID6:
        return 2;
    default:
        return 1;
    }
}

std::uint64_t volumeBlocks(const LOGICAL_DRIVE_CONFIG& config)
{
    std::uint64_t big = config.qwBigBlocksInLogicalDrive;
    if (big != 0)
        return big;
    const DRIVE_PARAM_TABLE& t = config.logicalDriveParamTable;
    return std::uint64_t{t.wMaxCylinders} * t.bMaxHeads * t.bSectorsPerTrack;
}

std::uint64_t blocksPerDrive(std::uint64_t size, unsigned stripe, unsigned dataDrives)
{
    if (stripe == 0 || dataDrives == 0)
        return 0;
    std::uint64_t s = stripe;
    if ((size / s) % dataDrives != 0)
        return (size / (s * dataDrives) + 1) * s;
    return s * (size / (s * dataDrives)) + size % s;
}

std::uint64_t dataOffset(const LOGICAL_DRIVE_CONFIG& config)
{
    // The configuration tool writes the 32-bit offset; the extended form is
    // only the firmware's echo of it.
    return config.dwDataOffset;
}

void completeConfig(LOGICAL_DRIVE_CONFIG& config)
{
    DriveSet data = driveSetFromBytes(config.pbBigDriveAssignmentMap);
    unsigned d = dataDriveCount(config.wFaultTolerance, static_cast<unsigned>(data.count()));
    std::uint64_t size = volumeBlocks(config);
    std::uint64_t per = blocksPerDrive(size, config.wDistribution, d);
    std::uint64_t offset = dataOffset(config);
    config.dwBlocksOnVolume = size > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(size);
    config.dwBlocksPerDrive = per > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(per);
    config.qwExtendedBlocksPerDrive = per;
    config.qwExtendedOffsetToData = offset;
    config.logicalDriveParamTable.bChecksum = parameterTableChecksum(config);
}

LOGICAL_DRIVE_CONFIG configOf(const LogicalDrive& ld)
{
    LOGICAL_DRIVE_CONFIG config;
    static_assert(sizeof config == sizeof ld.config);
    std::memcpy(&config, ld.config.data(), sizeof config);
    return config;
}

void storeConfig(LogicalDrive& ld, const LOGICAL_DRIVE_CONFIG& config)
{
    std::memcpy(ld.config.data(), &config, sizeof config);
}

} // namespace Sim
