#include "sim/faultcommands.h"

#include "sim/volumegeometry.h"
#include "sim/volumestate.h"

#include <charconv>

namespace Sim {
namespace {

struct Args {
    World& world;
    const std::vector<std::string>& words; // words[0] is the command name
    std::int64_t now;
    std::string& error;
    Controller* controller = nullptr;

    bool fail(const std::string& message)
    {
        error = message;
        return false;
    }
    bool number(size_t i, std::uint32_t limit, std::uint32_t& value)
    {
        const std::string& w = words[i];
        auto r = std::from_chars(w.data(), w.data() + w.size(), value);
        return (r.ec == std::errc() && r.ptr == w.data() + w.size() && value <= limit) || fail("bad number: " + w);
    }
    bool opcode(size_t i, std::uint32_t& value)
    {
        std::string_view w = words[i];
        if (w.starts_with("0x") || w.starts_with("0X"))
            w.remove_prefix(2);
        auto r = std::from_chars(w.data(), w.data() + w.size(), value, 16);
        return (!w.empty() && r.ec == std::errc() && r.ptr == w.data() + w.size() && value <= 0xFF) ||
            fail("bad opcode: " + words[i]);
    }
    bool onOff(size_t i, bool& value)
    {
        value = words[i] == "on";
        return value || words[i] == "off" || fail("expected on or off: " + words[i]);
    }
    bool drive(size_t i, std::uint16_t& index)
    {
        for (size_t d = 0; d < controller->drives.size(); ++d)
            if (controller->drives[d].location == words[i]) {
                index = static_cast<std::uint16_t>(d);
                return true;
            }
        return fail("no drive at " + words[i] + " on " + controller->name);
    }
    bool logicalDrive(size_t i, LogicalDrive*& ld)
    {
        std::uint32_t n = 0;
        if (!number(i, 31, n))
            return false;
        auto it = controller->logicalDrives.find(static_cast<std::uint16_t>(n));
        if (it == controller->logicalDrives.end())
            return fail("no logical drive " + words[i] + " on " + controller->name);
        ld = &it->second;
        return true;
    }
};

// Moves a logical drive's task so that it is percent done now.
void setProgress(Args& a, LogicalDrive& ld, TaskKind kind, std::uint32_t percent, std::uint32_t seconds)
{
    ld.task = kind;
    ld.taskStart = a.now - static_cast<std::int64_t>(seconds) * percent / 100;
    ld.taskEnd = ld.taskStart + seconds;
    if (kind == TASK_REBUILD) {
        DriveSet data = driveSetFromBytes(configOf(ld).pbBigDriveAssignmentMap);
        for (std::uint16_t i = 0; i < 128; ++i)
            if (data.test(i)) {
                ld.rebuildDrive = i;
                break;
            }
    }
}

// Commands on one physical drive: the location is the second argument.
template <void (*Act)(Controller&, std::uint16_t, std::int64_t)>
bool driveCmd(Args& a)
{
    std::uint16_t i = 0;
    if (!a.drive(2, i))
        return false;
    Act(*a.controller, i, a.now);
    return true;
}

void predictDrive(Controller& c, std::uint16_t index, std::int64_t) { c.drives[index].health = HEALTH_PREDICTIVE; }

bool muteDriveCmd(Args& a)
{
    std::uint16_t i = 0;
    bool on = false;
    if (!a.drive(2, i) || !a.onOff(3, on))
        return false;
    a.controller->drives[i].muted = on;
    return true;
}

bool failLogicalDriveCmd(Args& a)
{
    LogicalDrive* ld = nullptr;
    if (!a.logicalDrive(2, ld))
        return false;
    ld->forcedFailed = true;
    return true;
}

// Commands that put a logical drive's rebuild or expansion at a percentage.
template <TaskKind Kind>
bool progressCmd(Args& a)
{
    LogicalDrive* ld = nullptr;
    std::uint32_t percent = 0;
    if (!a.logicalDrive(2, ld) || !a.number(3, 99, percent))
        return false;
    setProgress(a, *ld, Kind, percent,
                Kind == TASK_REBUILD ? a.controller->rebuildSeconds : a.controller->expandSeconds);
    return true;
}

bool clearLogicalDriveCmd(Args& a)
{
    LogicalDrive* ld = nullptr;
    if (!a.logicalDrive(2, ld))
        return false;
    ld->forcedFailed = false;
    ld->mediaExchanged = false;
    ld->task = TASK_NONE;
    return true;
}

bool commErrorCmd(Args& a) { return a.onOff(2, a.controller->faults.communicationError); }
bool lockOtherCmd(Args& a) { return a.onOff(2, a.controller->faults.lockedByOtherHost); }
bool garbageCmd(Args& a) { return a.onOff(2, a.controller->faults.garbage); }
bool checkConditionCmd(Args& a) { return a.number(2, 1000000, a.controller->faults.checkConditions); }
bool opcodeCheckConditionCmd(Args& a)
{
    Faults& f = a.controller->faults;
    f.opcodeCheckConditionSkip = 0;
    return a.opcode(2, f.checkConditionOpcode) && a.number(3, 1000000, f.opcodeCheckConditions);
}
bool opcodeCheckConditionAfterCmd(Args& a)
{
    Faults& f = a.controller->faults;
    return a.opcode(2, f.checkConditionOpcode) && a.number(3, 1000000, f.opcodeCheckConditionSkip) &&
        a.number(4, 1000000, f.opcodeCheckConditions);
}
bool unitAttentionCmd(Args& a) { return a.number(2, 1000000, a.controller->faults.unitAttentions); }

bool clearCmd(Args& a)
{
    a.controller->faults = Faults{};
    for (Drive& d : a.controller->drives)
        d.muted = false;
    return true;
}

struct Entry {
    FaultCommand info;
    size_t argc; // words after the controller name
    bool (*apply)(Args&);
};

const std::vector<Entry>& entries()
{
    static const std::vector<Entry> table{
        {{"fail-drive", "CONTROLLER LOCATION", "a physical drive fails; spares take over"}, 1, driveCmd<failDrive>},
        {{"predict-drive", "CONTROLLER LOCATION", "a physical drive reports predictive failure"},
         1,
         driveCmd<predictDrive>},
        {{"restore-drive", "CONTROLLER LOCATION", "a drive is replaced by a good one and rebuilt"},
         1,
         driveCmd<restoreDrive>},
        {{"mute-drive", "CONTROLLER LOCATION on|off", "a drive answers no command addressed to it"}, 2, muteDriveCmd},
        {{"fail-ld", "CONTROLLER NUMBER", "a logical drive fails"}, 1, failLogicalDriveCmd},
        {{"recover-ld", "CONTROLLER NUMBER PERCENT", "a logical drive is recovering, PERCENT done"},
         2,
         progressCmd<TASK_REBUILD>},
        {{"expand-ld", "CONTROLLER NUMBER PERCENT", "a logical drive is expanding, PERCENT done"},
         2,
         progressCmd<TASK_EXPAND>},
        {{"clear-ld", "CONTROLLER NUMBER", "ends a logical drive's failure, rebuild or expansion"},
         1,
         clearLogicalDriveCmd},
        {{"comm-error", "CONTROLLER on|off", "the controller answers no command"}, 1, commErrorCmd},
        {{"check-condition", "CONTROLLER COUNT", "the next COUNT commands end in check condition"},
         1,
         checkConditionCmd},
        {{"check-condition-on", "CONTROLLER OPCODE COUNT",
          "the next COUNT BMIC commands of OPCODE (hexadecimal) end in check condition"},
         2,
         opcodeCheckConditionCmd},
        {{"check-condition-after", "CONTROLLER OPCODE SKIP COUNT",
          "after SKIP BMIC commands of OPCODE (hexadecimal) pass, the next COUNT end in check condition"},
         3,
         opcodeCheckConditionAfterCmd},
        {{"unit-attention", "CONTROLLER COUNT", "the next COUNT commands end in unit attention"}, 1, unitAttentionCmd},
        {{"lock-other", "CONTROLLER on|off", "the storage system is locked by another host"}, 1, lockOtherCmd},
        {{"garbage", "CONTROLLER on|off", "every reply buffer is filled with random bytes"}, 1, garbageCmd},
        {{"clear", "CONTROLLER", "clears the controller faults above"}, 0, clearCmd},
    };
    return table;
}

} // namespace

const std::vector<FaultCommand>& faultCommands()
{
    static const std::vector<FaultCommand> list = [] {
        std::vector<FaultCommand> out;
        for (const Entry& e : entries())
            out.push_back(e.info);
        return out;
    }();
    return list;
}

bool applyFault(World& world, const std::vector<std::string>& words, std::int64_t now, std::string& error)
{
    if (words.empty())
        return false;
    for (const Entry& e : entries()) {
        if (e.info.name != words[0])
            continue;
        if (words.size() != e.argc + 2) {
            error = "usage: vnlsim " + std::string(e.info.name) + " " + std::string(e.info.usage);
            return false;
        }
        Args args{world, words, now, error};
        args.controller = findController(world, words[1]);
        if (!args.controller)
            return args.fail("no controller named " + words[1]);
        return e.apply(args);
    }
    error = "unknown command: " + words[0];
    return false;
}

} // namespace Sim
