// The simulated hardware and everything its firmware stores: controllers
// (local ones and external storage systems), their drives, the logical drive
// configuration records written by the configuration tool, settings, host
// connections and injected faults. Plain data; the firmware (firmware.h)
// works on it and the state store (statestore.h) keeps it on disk.
#ifndef VNL_SIM_SIMMODEL_H
#define VNL_SIM_SIMMODEL_H

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace Sim {

using Block512 = std::array<std::uint8_t, 512>;
using WorldWideName = std::array<std::uint8_t, 8>;

// The firmware numbers its drives 16 to a SCSI bus: drive index n is on bus n / 16 with
// target id n % 16, unless a parallel SCSI drive's location names its bus and id.
constexpr std::uint8_t kDrivesPerBus = 16;

enum DriveInterface : std::uint8_t { IF_PARALLEL = 0, IF_SATA = 1, IF_SAS = 2 };
enum DriveHealth : std::uint8_t { HEALTH_OK = 0, HEALTH_FAILED = 1, HEALTH_PREDICTIVE = 2 };

// A physical drive or tape drive behind a controller; its position in the
// controller's list is its controller drive index.
struct Drive {
    std::string location; // as the profile names it: "1I:1:3", "1:5" (box:bay), "2:4" (bus:id)
    std::string port; // port text of port:box:bay drives, empty otherwise
    std::uint8_t box = 255; // 255: no box
    std::uint8_t bay = 255;
    std::uint8_t bus = 0; // SCSI bus as the firmware counts it (from 0), and target id below
    std::uint8_t target = 0;
    std::uint8_t iface = IF_SAS;
    bool tape = false;
    std::uint64_t blocks = 0;
    std::uint32_t reservedBlocks = 32768;
    std::uint32_t rpm = 10000;
    std::string model;
    std::string serial;
    std::string firmware;
    std::uint8_t health = HEALTH_OK;
    bool muted = false; // injected: answers no command addressed to it
};

// Long-running work of a logical drive, timed on the simulation clock.
enum TaskKind : std::uint8_t { TASK_NONE = 0, TASK_EXPAND = 1, TASK_REBUILD = 2 };

struct LogicalDrive {
    std::uint16_t number = 0;
    Block512 config{}; // LOGICAL_DRIVE_CONFIG as last written, firmware fields filled in
    std::string label;
    std::uint32_t volumeId = 0;
    std::string accessName; // operating-system device name
    bool inUse = false; // in use by the operating system
    bool cacheEnabled = true;
    bool forcedFailed = false; // injected failure
    bool mediaExchanged = false;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> activeSpares; // (spare, drive it replaces)
    std::uint16_t rebuildDrive = 0xFFFF; // drive being rebuilt while the task is a rebuild
    std::uint8_t task = TASK_NONE;
    std::int64_t taskStart = 0; // clock seconds when the work starts (queued before)
    std::int64_t taskEnd = 0; // clock seconds when it is done
};

// A host connection (initiator) known to a storage system.
struct Initiator {
    WorldWideName wwn{};
    std::string connectionName;
    std::uint8_t hostMode = 0;
    bool online = true;
    std::uint32_t aclMap = 0; // logical drives this initiator may reach (bit n = drive n)
};

// Faults injected with the control tool.
struct Faults {
    bool communicationError = false; // every command fails at the library level
    std::uint32_t checkConditions = 0; // the next n commands end in check condition
    std::uint32_t unitAttentions = 0; // the next n commands end in unit attention
    std::uint32_t opcodeCheckConditions = 0; // the next n BMIC commands of checkConditionOpcode fail
    std::uint32_t checkConditionOpcode = 0;
    std::uint32_t opcodeCheckConditionSkip = 0; // commands of that opcode that pass before they fail
    bool lockedByOtherHost = false;
    bool garbage = false; // random bytes in every reply buffer
};

enum LockOwner : std::uint8_t { LOCK_NONE = 0, LOCK_THIS_HOST = 1, LOCK_OTHER_HOST = 2 };

struct Controller {
    std::string name; // key used by the profile, state and control tool
    std::string model; // ATTR_VALUE_CONTROLLER_NAME_...
    std::uint32_t boardId = 0; // board identifier; from the model table unless the profile sets it
    bool external = false; // a storage system reached through fibre adapters
    std::uint8_t busType = 2; // 2 PCI, 3 SCSI, 4 fibre
    std::uint8_t slot = 255;
    std::uint16_t pciDomain = 0;
    std::uint8_t pciBus = 255;
    std::uint8_t pciDevice = 0;
    std::uint8_t pciFunction = 0;
    std::string firmware = "1.00";
    std::string serial;
    std::string chassisSerial;
    WorldWideName nodeWwn{}; // storage systems: the node's world-wide name
    std::uint16_t cacheMB = 256; // 0: no cache board
    std::uint8_t batteries = 1;
    std::uint8_t readPercent = 25;
    std::uint8_t defaultReadPercent = 25;
    bool cacheDisabled = false;
    std::uint16_t surfaceDelay = 30; // tenths of a second
    std::uint32_t expandSeconds = 60; // duration of one transformation
    std::uint32_t queueSeconds = 5; // time a transformation waits before it starts
    std::uint32_t rebuildSeconds = 60; // duration of a rebuild
    std::uint32_t maxSafeStripeMB = 0; // 0: no limit reported
    bool sspEnabled = false;
    std::uint8_t activeSide = 0; // external: 0 = controller A active, 1 = B
    std::uint8_t lockOwner = LOCK_NONE;
    Block512 parameters{}; // CONTROLLER_PARAMETERS
    Block512 redundancy{}; // REDUNDANT_CONTROLLER_PARAMETERS
    Block512 maintenance{}; // MAINTENANCE_OPERATION
    std::vector<Drive> drives;
    std::map<std::uint16_t, LogicalDrive> logicalDrives;
    std::vector<Initiator> initiators;
    Faults faults;
};

// One way from a fibre adapter to a storage system controller.
struct Path {
    std::string controller; // Controller::name
    std::uint8_t side = 0; // 0 = controller A, 1 = controller B
    std::uint8_t port = 0; // adapter port index (from 0); 255 for an adapter without ports
};

struct Adapter {
    std::string name;
    WorldWideName wwn{};
    std::uint8_t slot = 255;
    std::vector<Path> paths;
};

struct World {
    std::vector<Controller> controllers;
    std::vector<Adapter> adapters;
};

const Controller* findController(const World& world, const std::string& name);

// A stable 32-bit hash of a text, for identifiers derived from names.
std::uint32_t textHash(const std::string& text);
Controller* findController(World& world, const std::string& name);

} // namespace Sim

#endif
