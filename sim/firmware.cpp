#include "sim/firmware.h"

#include "sim/fwcommand.h"

#include <array>

namespace Sim {
namespace {

// Opcodes not in the table, among them the split and re-join of mirrored
// arrays (0x5E), end in an illegal-request check condition.

// What a command is addressed to, which decides how detail and unit are read.
enum Target : std::uint8_t {
    TO_CONTROLLER,
    TO_LD_NUMBER, // any logical drive number below 32, configured or not
    TO_LOGICAL_DRIVE, // a configured logical drive
    TO_PHYSICAL_DRIVE
};

struct OpcodeEntry {
    std::uint8_t opcode;
    Target target;
    bool changes;
    Handler handler;
};

constexpr std::array<OpcodeEntry, 39> kOpcodes{{
    {0x10, TO_LOGICAL_DRIVE, false, identifyLogicalDrive},
    {0x11, TO_CONTROLLER, false, identifyController},
    {0x12, TO_LOGICAL_DRIVE, false, senseLogicalDriveStatus},
    {0x15, TO_PHYSICAL_DRIVE, false, identifyPhysicalDrive},
    {0x16, TO_CONTROLLER, true, setMaintenance},
    {0x17, TO_CONTROLLER, false, senseMaintenance},
    {0x20, TO_LOGICAL_DRIVE, false, readLogicalDriveBlock},
    {0x30, TO_LOGICAL_DRIVE, false, writeLogicalDriveBlock},
    {0x50, TO_LD_NUMBER, false, senseConfiguration},
    {0x51, TO_LD_NUMBER, true, setConfiguration},
    {0x52, TO_LOGICAL_DRIVE, true, bypassVolumeState},
    {0x54, TO_LOGICAL_DRIVE, true, changeConfiguration},
    {0x56, TO_CONTROLLER, true, reorderLogicalDrives},
    {0x57, TO_LOGICAL_DRIVE, true, labelLogicalDrive},
    {0x59, TO_CONTROLLER, false, senseExpansionAbility},
    {0x5D, TO_LOGICAL_DRIVE, false, senseMirrorPairs},
    {0x60, TO_CONTROLLER, true, setSurfaceDelay},
    {0x63, TO_CONTROLLER, true, setControllerParameters},
    {0x64, TO_CONTROLLER, false, senseControllerParameters},
    {0x65, TO_CONTROLLER, false, senseBusParameters},
    {0x66, TO_CONTROLLER, false, senseSubsystem},
    {0x67, TO_CONTROLLER, false, senseExternalBox},
    {0x70, TO_CONTROLLER, false, senseSurfaceStatus},
    {0x81, TO_CONTROLLER, true, setRedundancy},
    {0x82, TO_CONTROLLER, false, senseRedundancy},
    {0x89, TO_CONTROLLER, true, disableOtherController},
    {0x92, TO_PHYSICAL_DRIVE, false, specialInquiry},
    {0xA0, TO_PHYSICAL_DRIVE, false, senseMonitoringStatistics},
    {0xA3, TO_CONTROLLER, false, senseMonitoringViolations},
    {0xA4, TO_PHYSICAL_DRIVE, false, monitoringParameterControl},
    {0xAD, TO_LOGICAL_DRIVE, false, readVolumeProfile},
    {0xC0, TO_CONTROLLER, true, setCacheConfig},
    {0xC1, TO_CONTROLLER, false, senseCacheConfig},
    {0xC2, TO_CONTROLLER, true, flushDisableCache},
    {0xD4, TO_CONTROLLER, true, lockManagement},
    {0xD6, TO_CONTROLLER, true, writeServerNames},
    {0xD7, TO_CONTROLLER, false, readServerNames},
    {0xE0, TO_LOGICAL_DRIVE, true, acceptMediaExchange},
    {0xF1, TO_CONTROLLER, true, failPhysicalDrive},
}};

const OpcodeEntry* findOpcode(std::uint8_t opcode)
{
    for (const OpcodeEntry& e : kOpcodes)
        if (e.opcode == opcode)
            return &e;
    return nullptr;
}

constexpr std::uint16_t kMaxLogicalDrives = 32;

// Drive index of a physical drive command: the low byte travels in the top
// byte of detail (the bottom byte when the configuration tool reversed the
// detail for a remote controller), the high byte in the top byte of unit.
std::uint16_t driveIndexOf(const BmicCall& call)
{
    std::uint32_t low = call.remote ? (call.detail & 0xFF) : (call.detail >> 24);
    return static_cast<std::uint16_t>((call.unit & 0xFF00) | low);
}

bool resolveTarget(Command& cmd, Target target)
{
    switch (target) {
    case TO_CONTROLLER:
        return true;
    case TO_LD_NUMBER:
        if (cmd.call.unit < kMaxLogicalDrives)
            return true;
        break;
    case TO_LOGICAL_DRIVE: {
        auto it = cmd.ctl.logicalDrives.find(cmd.call.unit);
        if (it == cmd.ctl.logicalDrives.end())
            break;
        cmd.ld = &it->second;
        return true;
    }
    case TO_PHYSICAL_DRIVE:
        cmd.driveIndex = driveIndexOf(cmd.call);
        // A drive that does not answer fails its commands as a missing drive does.
        if (cmd.driveIndex >= cmd.ctl.drives.size() || cmd.ctl.drives[cmd.driveIndex].muted)
            break;
        cmd.drive = &cmd.ctl.drives[cmd.driveIndex];
        return true;
    }
    cmd.fail(kKeyIllegalRequest, kAscUnsupportedLun);
    return false;
}

} // namespace

void checkCondition(CommandOutcome& out, std::uint8_t key, std::uint8_t asc, std::uint8_t ascq)
{
    out.scsiStatus = 2;
    out.commandStatus = kCommandStatusCheck;
    out.senseKey = key;
    out.asc = asc;
    out.ascq = ascq;
}

bool bmicMayChange(std::uint8_t opcode)
{
    const OpcodeEntry* e = findOpcode(opcode);
    return e && e->changes;
}

CommandOutcome runBmic(Controller& controller, const BmicCall& call, const SimContext& context)
{
    CommandOutcome out;
    Command cmd{controller, call, context, out};
    const OpcodeEntry* e = findOpcode(call.opcode);
    if (!e) {
        cmd.fail(kKeyIllegalRequest, kAscInvalidOpcode);
        return out;
    }
    if (!resolveTarget(cmd, e->target))
        return out;
    if (!call.data && call.length != 0) {
        cmd.fail(kKeyIllegalRequest, kAscParameterLength);
        return out;
    }
    e->handler(cmd);
    return out;
}

} // namespace Sim
