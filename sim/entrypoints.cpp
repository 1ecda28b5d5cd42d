// The entry points of the simulated information-manager library. Each call
// resolves its handle against the current state, runs the firmware or the
// SCSI target, applies injected faults, and saves changes under the state
// directory's lock. No call trusts a length or a handle it is given.
#include "controller/imgrdefs.h"
#include "sim/firmware.h"
#include "sim/handles.h"
#include "sim/objectinfo.h"
#include "sim/presets.h"
#include "sim/requeststats.h"
#include "sim/scsitarget.h"
#include "sim/simclock.h"
#include "sim/statestore.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <random>
#include <unistd.h>

namespace Sim {
namespace {

// Returned for every request to a controller that does not answer.
constexpr ImgrStatus kStatusNoResponse = 0x80000001u;

struct Library {
    std::mutex mutex;
    std::unique_ptr<StateStore> store;
    RequestStats stats;
    std::mt19937 noise{std::random_device{}()};
};

Library& library()
{
    static Library lib;
    return lib;
}

// The store of the state directory configured now; a process that changes
// VNLSIM_STATE between calls moves to the new directory.
StateStore* store()
{
    Library& lib = library();
    std::string directory = StateStore::configuredDirectory();
    if (!lib.store || lib.store->directory() != directory) {
        lib.store.reset();
        auto created = std::make_unique<StateStore>(directory);
        std::string error;
        if (!created->ensure(std::string(*presetText(kDefaultPreset)), error))
            return nullptr;
        lib.store = std::move(created);
    }
    return lib.store.get();
}

const World* currentWorld()
{
    std::string error;
    StateStore* s = store();
    return s ? s->current(error) : nullptr;
}

void simulateLatency()
{
    const char* text = std::getenv("VNLSIM_LATENCY_US");
    long us = text ? std::strtol(text, nullptr, 10) : 0;
    if (us > 0)
        ::usleep(static_cast<useconds_t>(std::min(us, 10'000'000L)));
}

// Writes fixed-format sense data of a check condition; returns its length.
std::uint32_t writeSense(const CommandOutcome& out, void* sense, std::uint32_t capacity)
{
    std::uint8_t fixed[18] = {};
    fixed[0] = 0x70;
    fixed[2] = out.senseKey;
    fixed[7] = 10;
    fixed[12] = out.asc;
    fixed[13] = out.ascq;
    std::uint32_t n = out.scsiStatus && sense ? std::min<std::uint32_t>(capacity, sizeof fixed) : 0;
    if (n)
        std::memcpy(sense, fixed, n);
    return n;
}

// Fills the output fields of a BMIC or SCSI request record.
template <class Record>
ImgrStatus finishRecord(const CommandOutcome& out, Record& rec)
{
    if (out.lowLevel)
        return out.lowLevel;
    rec.bScsiStatus = out.scsiStatus;
    rec.wCommandStatus = out.commandStatus;
    rec.dwSenseLength = writeSense(out, rec.pSense, rec.dwSenseLength);
    return IMGR_STATUS_OK;
}

// The controller a handle named, in a world that may have been re-read since.
Controller* controllerIn(World& world, int index)
{
    return index >= 0 && static_cast<size_t>(index) < world.controllers.size()
        ? &world.controllers[static_cast<size_t>(index)]
        : nullptr;
}

// A fault that ends the command before the firmware sees it, if any.
// Counted faults are used up one per command; `opcode` is the BMIC opcode, or
// kNotBmic for a SCSI command.
constexpr int kNotBmic = -1;

bool matchesOpcode(const Faults& f, int opcode)
{
    return f.opcodeCheckConditions > 0 && opcode == static_cast<int>(f.checkConditionOpcode);
}

bool injectedFault(StateStore& s, int controller, int opcode, CommandOutcome& out)
{
    std::string error;
    const World* w = s.current(error);
    const Controller* c = w ? controllerIn(const_cast<World&>(*w), controller) : nullptr;
    if (!c || c->faults.communicationError) {
        out.lowLevel = kStatusNoResponse;
        return true;
    }
    if (c->faults.checkConditions == 0 && c->faults.unitAttentions == 0 && !matchesOpcode(c->faults, opcode))
        return false;
    s.update(
        [&](World& world) {
            Controller* live = controllerIn(world, controller);
            if (live && live->faults.unitAttentions > 0) {
                --live->faults.unitAttentions;
                checkCondition(out, 0x06, 0x29);
            } else if (live && matchesOpcode(live->faults, opcode) && live->faults.opcodeCheckConditionSkip > 0) {
                --live->faults.opcodeCheckConditionSkip;
                return true;
            } else if (live && matchesOpcode(live->faults, opcode)) {
                --live->faults.opcodeCheckConditions;
                checkCondition(out, 0x04, 0x44);
            } else if (live && live->faults.checkConditions > 0) {
                --live->faults.checkConditions;
                checkCondition(out, 0x04, 0x44);
            }
            return out.scsiStatus != 0;
        },
        error);
    return out.scsiStatus != 0;
}

template <class Run>
CommandOutcome runOnController(StateStore& s, const HandleTarget& t, int opcode, bool mayChange, std::uint8_t* reply,
                               std::uint32_t replyLength, Run run)
{
    CommandOutcome out;
    if (injectedFault(s, t.controller, opcode, out))
        return out;
    SimContext context{simNow(), s.imageDirectory()};
    std::string error;
    bool ran = false;
    if (mayChange) {
        s.update(
            [&](World& world) {
                Controller* c = controllerIn(world, t.controller);
                ran = c != nullptr;
                if (ran)
                    out = run(*c, context);
                return ran && out.changed;
            },
            error);
    } else if (const World* w = s.current(error)) {
        // A command that changes nothing may run on the cached state itself.
        Controller* c = controllerIn(const_cast<World&>(*w), t.controller);
        ran = c != nullptr;
        if (ran)
            out = run(*c, context);
    }
    if (!ran) {
        out = CommandOutcome{};
        out.lowLevel = kStatusNoResponse;
        return out;
    }
    const World* w = s.current(error);
    const Controller* c = w ? controllerIn(const_cast<World&>(*w), t.controller) : nullptr;
    if (c && c->faults.garbage && reply && out.replied)
        for (std::uint32_t i = 0; i < replyLength; ++i)
            reply[i] = static_cast<std::uint8_t>(library().noise());
    return out;
}

ImgrStatus controlBmic(StateStore& s, const HandleTarget& t, std::uint32_t direction, ImgrBmicRecord& rec)
{
    library().stats.countBmic(rec.bCommand, rec.wUnit);
    if (t.kind != HANDLE_CONTROLLER && t.kind != HANDLE_REMOTE)
        return IMGR_STATUS_INVALID_HANDLE;
    simulateLatency();
    BmicCall call{rec.bCommand,
                  rec.dwDetail,
                  rec.wUnit,
                  direction,
                  static_cast<std::uint8_t*>(rec.pData),
                  rec.pData ? rec.dwDataLength : 0,
                  t.remote,
                  t.side};
    CommandOutcome out = runOnController(s, t, rec.bCommand, bmicMayChange(rec.bCommand), call.data, call.length,
                                         [&](Controller& c, const SimContext& ctx) { return runBmic(c, call, ctx); });
    return finishRecord(out, rec);
}

ImgrStatus controlScsi(StateStore& s, const HandleTarget& t, ImgrScsiRecord& rec, const std::uint8_t* address)
{
    library().stats.countScsi();
    if (t.controller < 0 || (address && t.kind == HANDLE_LOGICAL_DRIVE))
        return IMGR_STATUS_INVALID_HANDLE;
    simulateLatency();
    ScsiCall call;
    call.cdb = static_cast<const std::uint8_t*>(rec.pCdb);
    call.cdbLength = rec.pCdb ? rec.bCdbLength : 0;
    call.data = static_cast<std::uint8_t*>(rec.pData);
    call.length = rec.pData ? rec.dwDataLength : 0;
    call.side = t.side;
    call.target = address                ? SCSI_TO_ADDRESS
        : t.kind == HANDLE_LOGICAL_DRIVE ? SCSI_TO_LOGICAL_DRIVE
                                         : SCSI_TO_CONTROLLER;
    call.logicalDrive = static_cast<std::uint16_t>(t.logicalDrive < 0 ? 0 : t.logicalDrive);
    if (address)
        std::memcpy(call.address.data(), address, 8);
    CommandOutcome out = runOnController(s, t, kNotBmic, scsiMayChange(call), call.data, call.length,
                                         [&](Controller& c, const SimContext& ctx) { return runScsi(c, call, ctx); });
    return finishRecord(out, rec);
}

// The current world and what the handle names in it; a status otherwise.
ImgrStatus resolve(ImgrHandle handle, const World*& world, HandleTarget& target)
{
    world = currentWorld();
    if (!world)
        return kStatusNoResponse;
    return resolveHandle(*world, handle, target) ? IMGR_STATUS_OK : IMGR_STATUS_INVALID_HANDLE;
}

template <class Record>
bool recordFits(const void* record, const std::uint32_t* length)
{
    return record && length && *length >= sizeof(Record);
}

} // namespace
} // namespace Sim

using namespace Sim;

extern "C" {

ImgrStatus InfoMgrInitStatus(void)
{
    std::lock_guard<std::mutex> guard(library().mutex);
    return currentWorld() ? IMGR_STATUS_OK : kStatusNoResponse;
}

ImgrStatus InfoMgrOpenObject(ImgrHandle parent, uint32_t objectKind, ImgrHandle* handle, uint32_t, uint32_t)
{
    if (!handle || parent != 0)
        return IMGR_STATUS_INVALID_REQUEST;
    if (objectKind == IMGR_OBJECT_ARRAY_CONTROLLERS)
        *handle = makeHandle(HANDLE_CONTROLLER_ROOT, 0);
    else if (objectKind == IMGR_OBJECT_HOST_BUS_ADAPTERS)
        *handle = makeHandle(HANDLE_ADAPTER_ROOT, 0);
    else
        return IMGR_STATUS_INVALID_REQUEST;
    return IMGR_STATUS_OK;
}

ImgrStatus InfoMgrCloseObject(ImgrHandle) { return IMGR_STATUS_OK; }

ImgrStatus InfoMgrEnumObject(ImgrHandle handle, uint32_t childKind, uint32_t index, ImgrHandle* child, uint32_t,
                             uint32_t)
{
    std::lock_guard<std::mutex> guard(library().mutex);
    library().stats.countEnum();
    const World* world = currentWorld();
    if (!child)
        return IMGR_STATUS_INVALID_REQUEST;
    if (!world)
        return kStatusNoResponse;
    return childHandle(*world, handle, childKind, index, *child);
}

ImgrStatus InfoMgrGetObjectInfo(ImgrHandle handle, uint32_t infoClass, uint32_t, void* buffer, uint32_t* length)
{
    std::lock_guard<std::mutex> guard(library().mutex);
    library().stats.countInfo();
    const World* world = nullptr;
    HandleTarget target;
    if (!length)
        return IMGR_STATUS_INVALID_REQUEST;
    if (ImgrStatus status = resolve(handle, world, target); status != IMGR_STATUS_OK)
        return status;
    std::vector<std::uint8_t> record;
    ImgrStatus status = objectInfo(*world, target, infoClass, store()->imageDirectory(), record);
    if (status != IMGR_STATUS_OK)
        return status;
    bool fits = buffer && *length >= record.size();
    *length = static_cast<std::uint32_t>(record.size());
    if (!fits)
        return IMGR_STATUS_BUFFER_TOO_SMALL;
    std::memcpy(buffer, record.data(), record.size());
    return IMGR_STATUS_OK;
}

ImgrStatus InfoMgrSetObjectInfo(ImgrHandle handle, uint32_t infoClass, uint32_t, void*, uint32_t*)
{
    std::lock_guard<std::mutex> guard(library().mutex);
    library().stats.countInfo();
    if ((infoClass == IMGR_SET_EVENT_START || infoClass == IMGR_SET_EVENT_STOP) && handle == 0)
        return IMGR_STATUS_OK;
    const World* world = nullptr;
    HandleTarget t;
    if (ImgrStatus status = resolve(handle, world, t); status != IMGR_STATUS_OK)
        return status;
    bool controller = t.kind == HANDLE_CONTROLLER || t.kind == HANDLE_REMOTE || t.kind == HANDLE_LOGICAL_DRIVE;
    if (infoClass == IMGR_SET_RESCAN_SCSI_BUS && controller)
        return IMGR_STATUS_OK;
    if (infoClass == IMGR_SET_DROP_LOGICAL_DRIVE && t.kind == HANDLE_LOGICAL_DRIVE)
        return IMGR_STATUS_OK;
    return IMGR_STATUS_INVALID_REQUEST;
}

ImgrStatus InfoMgrControlObject(ImgrHandle handle, uint32_t controlCode, uint32_t direction, void* record,
                                uint32_t* length, uint32_t, uint32_t)
{
    std::lock_guard<std::mutex> guard(library().mutex);
    const World* world = nullptr;
    HandleTarget t;
    if (ImgrStatus status = resolve(handle, world, t); status != IMGR_STATUS_OK)
        return status;
    StateStore& s = *store();
    switch (controlCode) {
    case IMGR_CONTROL_BMIC:
        if (!recordFits<ImgrBmicRecord>(record, length))
            return IMGR_STATUS_INVALID_REQUEST;
        return controlBmic(s, t, direction, *static_cast<ImgrBmicRecord*>(record));
    case IMGR_CONTROL_SCSI:
        if (!recordFits<ImgrScsiRecord>(record, length))
            return IMGR_STATUS_INVALID_REQUEST;
        return controlScsi(s, t, *static_cast<ImgrScsiRecord*>(record), nullptr);
    case IMGR_CONTROL_SCSI_BY_ADDRESS: {
        if (!recordFits<ImgrScsiAddressRecord>(record, length))
            return IMGR_STATUS_INVALID_REQUEST;
        auto* byAddress = static_cast<ImgrScsiAddressRecord*>(record);
        return controlScsi(s, t, byAddress->scsi, byAddress->abLunAddress);
    }
    }
    return IMGR_STATUS_INVALID_REQUEST;
}

ImgrStatus InfoMgrUnregisterObject(uint32_t) { return IMGR_STATUS_OK; }

ImgrStatus InfoMgrRegisterObject(ImgrHandle, uint32_t, void*, void*) { return IMGR_STATUS_OK; }

ImgrStatus InfoMgrLockObject(ImgrHandle, uint32_t, uint32_t) { return IMGR_STATUS_OK; }

ImgrStatus InfoMgrUnlockObject(ImgrHandle, uint32_t, uint32_t) { return IMGR_STATUS_OK; }

} // extern "C"
