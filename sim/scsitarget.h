// The SCSI side of the simulated controllers: command blocks sent to a
// controller, to one of its logical drives, or to a device by its physical
// LUN address, answered from the same stored model as the BMIC commands.
#ifndef VNL_SIM_SCSITARGET_H
#define VNL_SIM_SCSITARGET_H

#include "sim/firmware.h"

#include <array>
#include <cstdint>

namespace Sim {

enum ScsiTarget : std::uint8_t { SCSI_TO_CONTROLLER, SCSI_TO_LOGICAL_DRIVE, SCSI_TO_ADDRESS };

struct ScsiCall {
    const std::uint8_t* cdb = nullptr;
    std::uint8_t cdbLength = 0;
    std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    std::uint8_t target = SCSI_TO_CONTROLLER;
    std::uint16_t logicalDrive = 0; // for SCSI_TO_LOGICAL_DRIVE
    std::array<std::uint8_t, 8> address{}; // for SCSI_TO_ADDRESS
    std::uint8_t side = 0;
};

// True when the command may change what the controller stores.
bool scsiMayChange(const ScsiCall& call);

CommandOutcome runScsi(Controller& controller, const ScsiCall& call, const SimContext& context);

} // namespace Sim

#endif
