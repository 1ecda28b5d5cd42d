// The state of a logical drive as the firmware reports it at a moment of the
// simulation clock, and the firmware's reaction to failing and returning
// drives: spares take over for failed data drives and rebuild.
#ifndef VNL_SIM_VOLUMESTATE_H
#define VNL_SIM_VOLUMESTATE_H

#include "sim/simmodel.h"
#include "sim/volumegeometry.h"

#include <array>
#include <cstdint>

namespace Sim {

// Unit status codes of LOGICAL_DRIVE_STATUS.bUnitStatus.
enum UnitStatus : std::uint8_t {
    UNIT_OK = 0,
    UNIT_FAILED = 1,
    UNIT_INTERIM_RECOVERY = 3,
    UNIT_RECOVERING = 5,
    UNIT_EXPANDING = 10,
    UNIT_QUEUED_FOR_EXPANSION = 12
};

struct VolumeState {
    std::uint8_t unitStatus = UNIT_OK;
    std::uint64_t blocksLeft = 0; // of the running rebuild or expansion
    DriveSet failedData; // failed data drives no spare stands in for
    DriveSet activeSpares;
    std::uint16_t rebuildingDrive = 0xFFFF;
};

VolumeState volumeState(const Controller& controller, const LogicalDrive& ld, std::int64_t now);

// The drive fails; logical drives that have a spare for it start rebuilding.
void failDrive(Controller& controller, std::uint16_t index, std::int64_t now);

// A drive is replaced by a good one, which answers again; when it had failed,
// spares standing in for it are released and fault-tolerant logical drives
// rebuild onto it.
void restoreDrive(Controller& controller, std::uint16_t index, std::int64_t now);

// Lets spares take over for failed data drives that have none yet.
void engageSpares(Controller& controller, std::int64_t now);

// The 16-byte unique identifier of a logical drive.
std::array<std::uint8_t, 16> volumeUniqueId(const Controller& controller, const LogicalDrive& ld);

// The unit serial number of a logical drive.
std::string volumeSerial(const Controller& controller, const LogicalDrive& ld);

} // namespace Sim

#endif
