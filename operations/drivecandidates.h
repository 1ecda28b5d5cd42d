// Which controller drive indexes a drive discovery visits below a device.
//
// Drives sit on buses of DRIVES_PER_BUS indexes each (bus b holds indexes 16b to 16b+15). A bus
// whose enclosure inquiry names an internal drive cage (vendor "TALVANE " or "Orvex   ",
// product "VESTRAIL") has its drives discovered below that cage. So:
// - a drive cage visits the present drives of its own bus (ATTR_NAME_BUS of the cage);
// - a controller or storage system visits every other present drive. A storage system leaves
//   cage buses out as well, so that no drive is ever listed twice.
// Each bus that holds a present drive is asked once with Sense Bus Parameters; a bus that does
// not answer carries no cage (its drives stay with the controller).
#ifndef VNL_OPERATIONS_DRIVECANDIDATES_H
#define VNL_OPERATIONS_DRIVECANDIDATES_H

#include <functional>

#include "controller/bmicdevice.h"
#include "controller/bmiclayouts.h"
#include "core/device.h"
#include "operations/arrayinfo.h"

namespace Operations {

inline constexpr unsigned DRIVES_PER_BUS = 16;
inline constexpr unsigned MAX_BUSES = 128 / DRIVES_PER_BUS;

// Whether a bus reply names an internal drive cage.
bool isDriveCage(const SENSE_BUS_PARAMETERS& bus);

// Asks Identify Controller, then Sense Bus Parameters of every bus that holds a present disk
// or tape, and hands each answer to `take` in bus order. A bus that does not answer is left
// out; the return is that of Identify Controller.
using BusVisitor = std::function<void(unsigned bus, const SENSE_BUS_PARAMETERS& reply)>;
Core::OperationReturn ForEachOccupiedBus(BMICDevice& channel, const BusVisitor& take);

// The drives of `present` that a discovery on `device` visits.
DriveSet CandidateDrives(const Core::Device& device, BMICDevice& channel, const DriveSet& present);

} // namespace Operations

#endif
