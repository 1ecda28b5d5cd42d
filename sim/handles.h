// Handles of the simulated library: 32-bit values that name a root, a
// controller, a fibre adapter, a path from an adapter to a storage system
// controller, or a logical drive. They carry indexes into the world and are
// checked against the current world at every use.
#ifndef VNL_SIM_HANDLES_H
#define VNL_SIM_HANDLES_H

#include "controller/imgrdefs.h"
#include "sim/simmodel.h"

namespace Sim {

enum HandleKind : std::uint32_t {
    HANDLE_CONTROLLER_ROOT = 1,
    HANDLE_ADAPTER_ROOT = 2,
    HANDLE_CONTROLLER = 3, // a local controller
    HANDLE_ADAPTER = 4,
    HANDLE_REMOTE = 5, // a storage system controller seen through an adapter
    HANDLE_LOGICAL_DRIVE = 6
};

struct HandleTarget {
    HandleKind kind = HANDLE_CONTROLLER_ROOT;
    int controller = -1; // index into World::controllers
    int adapter = -1; // index into World::adapters
    int logicalDrive = -1; // logical drive number
    const Path* path = nullptr;
    std::uint8_t side = 0;
    bool remote = false;
};

ImgrHandle makeHandle(HandleKind kind, std::uint32_t first, std::uint32_t second = 0);

// Decodes and checks a handle; false for a handle that names nothing now.
bool resolveHandle(const World& world, ImgrHandle handle, HandleTarget& target);

// The i-th child of a parent handle, as InfoMgrEnumObject lists them.
ImgrStatus childHandle(const World& world, ImgrHandle parent, std::uint32_t childKind, std::uint32_t index,
                       ImgrHandle& child);

} // namespace Sim

#endif
