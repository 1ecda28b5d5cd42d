// Arithmetic the firmware does on logical drive configuration records: drive
// maps, RAID data-drive counts, sizes, and the placement of a logical drive
// on its member drives.
#ifndef VNL_SIM_VOLUMEGEOMETRY_H
#define VNL_SIM_VOLUMEGEOMETRY_H

#include "controller/bmiclayouts_logicaldrive.h"
#include "controller/driveparametertable.h"
#include "sim/simmodel.h"

#include <bitset>
#include <cstdint>

namespace Sim {

using DriveSet = std::bitset<128>;

// RAID codes of wFaultTolerance.
enum RaidCode : std::uint16_t { RAID0 = 0, RAID4 = 1, RAID1 = 2, RAID5 = 3, RAID51 = 4, RAID6 = 5 };

DriveSet driveSetFromBytes(const std::uint8_t (&bytes)[16]);
void driveSetToBytes(const DriveSet& set, std::uint8_t (&bytes)[16]);

// Data drives of a RAID code over n member drives; 0 when the count is not valid.
unsigned dataDriveCount(unsigned raidCode, unsigned members);

// Member drives that may fail without losing data.
unsigned toleratedFailures(unsigned raidCode);

// Size of the logical drive in blocks as the record states it.
std::uint64_t volumeBlocks(const LOGICAL_DRIVE_CONFIG& config);

// Blocks the logical drive occupies on each member drive.
std::uint64_t blocksPerDrive(std::uint64_t size, unsigned stripe, unsigned dataDrives);

// Data offset of a logical drive on its member drives.
std::uint64_t dataOffset(const LOGICAL_DRIVE_CONFIG& config);

// Fills the fields the firmware computes itself: blocks per drive, blocks on
// volume and the extended forms of offset and blocks per drive, and makes the
// drive parameter table's checksum add up over them.
void completeConfig(LOGICAL_DRIVE_CONFIG& config);

// The record of a stored logical drive, and back.
LOGICAL_DRIVE_CONFIG configOf(const LogicalDrive& ld);
void storeConfig(LogicalDrive& ld, const LOGICAL_DRIVE_CONFIG& config);

} // namespace Sim

#endif
