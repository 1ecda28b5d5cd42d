// The simulated controller firmware: answers one BMIC command for one
// controller, reading and changing the stored model. The entry points
// (entrypoints.cpp) resolve handles and take the store's lock; the firmware
// itself never touches files other than the logical drive images.
#ifndef VNL_SIM_FIRMWARE_H
#define VNL_SIM_FIRMWARE_H

#include "sim/simmodel.h"

#include <cstdint>
#include <string>

namespace Sim {

// What the firmware needs besides the controller: the simulation clock and
// where logical drive images live.
struct SimContext {
    std::int64_t now = 0; // clock seconds
    std::string imageDir; // directory of the logical drive images
};

// One BMIC request as the library received it.
struct BmicCall {
    std::uint8_t opcode = 0;
    std::uint32_t detail = 0;
    std::uint16_t unit = 0;
    std::uint32_t direction = 0; // IMGR_BMIC_DIRECTION_...
    std::uint8_t* data = nullptr; // the caller's buffer, length bytes
    std::uint32_t length = 0;
    bool remote = false; // reached through a fibre adapter
    std::uint8_t side = 0; // controller A (0) or B (1) of a storage system
};

// How a command ended, as the request record reports it.
struct CommandOutcome {
    std::uint32_t lowLevel = 0;
    std::uint8_t scsiStatus = 0;
    std::uint16_t commandStatus = 0;
    std::uint8_t senseKey = 0;
    std::uint8_t asc = 0;
    std::uint8_t ascq = 0;
    bool changed = false; // the stored model was changed and must be saved
    bool replied = false; // data was written into the caller's buffer
};

// Command status reported with every check condition the firmware raises.
constexpr std::uint16_t kCommandStatusCheck = 255;

// True when the opcode may change what the controller stores.
bool bmicMayChange(std::uint8_t opcode);

// Runs one command. Unknown opcodes end in an illegal-request check condition.
CommandOutcome runBmic(Controller& controller, const BmicCall& call, const SimContext& context);

// Marks the outcome as a check condition with the given sense.
void checkCondition(CommandOutcome& out, std::uint8_t key, std::uint8_t asc, std::uint8_t ascq = 0);

} // namespace Sim

#endif
