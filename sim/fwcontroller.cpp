// Firmware commands addressed to the controller as a whole: identity,
// settings, cache, redundancy, enclosure data, LEDs, locks and host names.
#include "controller/bmiclayouts_controller.h"
#include "controller/bmiclayouts_logicaldrive.h"
#include "controller/bmiclayouts_physicaldrive.h"
#include "controller/bmiclayouts_storagesystem.h"
#include "controller/modeltable.h"
#include "sim/fwcommand.h"
#include "sim/volumegeometry.h"
#include "sim/volumestate.h"

#include <cmath>
#include <set>

namespace Sim {
namespace {

// Bits of IDENTIFY_CONTROLLER.dwYetMoreControllerFlags set by the simulated firmware.
constexpr std::uint32_t kFlagOver2TB = 1u << 0; // logical drives above 2 TB
constexpr std::uint32_t kFlagRaid6 = 1u << 1; // RAID 6 offered
constexpr std::uint32_t kFlagRaid5 = 1u << 2; // RAID 5 and RAID 4 offered

// Lock management details and answers.
constexpr std::uint32_t kLockDetail = 0x80002400u;
constexpr std::uint32_t kUnlockDetail = 0x80000000u;

struct DriveMaps {
    DriveSet disks;
    DriveSet tapes;
};

DriveMaps driveMaps(const Controller& c)
{
    DriveMaps maps;
    for (size_t i = 0; i < c.drives.size() && i < 128; ++i)
        (c.drives[i].tape ? maps.tapes : maps.disks).set(i);
    return maps;
}

std::uint32_t low32(const DriveSet& set)
{
    return static_cast<std::uint32_t>((set & DriveSet(0xFFFFFFFFull)).to_ulong());
}

std::uint32_t featureFlags(const Controller& c)
{
    std::uint32_t flags = kFlagRaid5;
    if (ModelTable::hasTrait(c.model, ModelTable::TRAIT_STRIPE_ALIGNED))
        flags |= kFlagOver2TB | kFlagRaid6;
    return flags;
}

std::string sideSerial(const Controller& c, std::uint8_t side)
{
    return c.external ? c.serial + (side ? "B" : "A") : c.serial;
}

std::uint8_t readPercentOf(unsigned readSize, unsigned total)
{
    if (total == 0)
        return 0;
    double percent = std::round(100.0 * readSize / total);
    return static_cast<std::uint8_t>(std::min(100.0, percent));
}

void putBoxInquiry(BOX_INQUIRY_DATA& box, const Controller& c)
{
    box.bPeripheralType = 0x0D;
    box.bAdditionalLength = 31;
    putPadded(box.sVendorID, "Orvex");
    putPadded(box.sProductID, productName(c));
    putPadded(box.sProductRevision, c.firmware);
}

} // namespace

std::string productName(const Controller& controller)
{
    const ModelTable::Model* m = ModelTable::findByKey(controller.model);
    if (!m)
        return "ARRAY";
    std::string_view name = m->name;
    return std::string(name.substr(name.find(' ') + 1));
}

void identifyController(Command& cmd)
{
    const Controller& c = cmd.ctl;
    DriveMaps maps = driveMaps(c);
    IDENTIFY_CONTROLLER r{};
    r.bConfiguredLogicalDrives = static_cast<std::uint8_t>(c.logicalDrives.size());
    r.dwConfigurationSignature = c.boardId ^ 0x5A5A5A5Au;
    std::memcpy(r.sRAMFirmwareRev, c.firmware.data(), std::min<size_t>(4, c.firmware.size()));
    std::memcpy(r.sROMFirmwareRev, c.firmware.data(), std::min<size_t>(4, c.firmware.size()));
    r.bHardwareRevision = 'B';
    r.dwDrivePresentBitmap = low32(maps.disks);
    driveSetToBytes(maps.disks, r.pbBigDrivePresentBitmap);
    r.dwBoardID = c.boardId;
    r.dwNonDiskMap = low32(maps.tapes);
    driveSetToBytes(maps.tapes, r.pbBigNonDiskBitmap);
    r.dwMaximumBlocks = 0xFFFFFFFFu;
    r.bDrivesPerBus = kDrivesPerBus;
    r.bPercentWriteCache = static_cast<std::uint8_t>(c.cacheMB ? 100 - c.readPercent : 0);
    r.bCacheBatteryCount = c.batteries;
    r.wTotalAvailableMemorySize = c.cacheMB;
    r.wMaximumLogicalUnitsSupported = 32;
    r.wMaximumPhysicalDevicesSupported = 128;
    r.wMaximumPhysicalDrivesPerLogicalUnit = 64;
    r.dwYetMoreControllerFlags = featureFlags(c);
    r.dwMaximumSafeFullStripeSizeMB = c.maxSafeStripeMB;
    if (c.external) {
        r.bRedCtlrModesSupported = 0x03;
        r.bCurrentRedMode = 0x01;
        r.bRedCtlrStatus = 0x01;
    }
    cmd.reply(r);
}

void senseControllerParameters(Command& cmd) { cmd.reply(cmd.ctl.parameters); }

void setControllerParameters(Command& cmd)
{
    CONTROLLER_PARAMETERS incoming, stored;
    if (!cmd.request(incoming))
        return;
    std::memcpy(&stored, cmd.ctl.parameters.data(), sizeof stored);
    // The access identifier belongs to the host adapter, not to the writer.
    std::memcpy(incoming.sAccessID, stored.sAccessID, sizeof incoming.sAccessID);
    std::memcpy(cmd.ctl.parameters.data(), &incoming, sizeof incoming);
    cmd.changed();
}

void senseCacheConfig(Command& cmd)
{
    const Controller& c = cmd.ctl;
    CACHE_CONFIG_STATUS r{};
    bool anyEnabled = false;
    std::uint32_t disabled = 0;
    for (const auto& [number, ld] : c.logicalDrives) {
        if (!ld.cacheEnabled && number < 32)
            disabled |= 1u << number;
        anyEnabled = anyEnabled || ld.cacheEnabled;
    }
    r.dwCacheDisabledMap = disabled;
    r.bDisableFlag = !c.logicalDrives.empty() && !anyEnabled ? 1 : 0;
    std::uint16_t read = static_cast<std::uint16_t>(c.cacheMB * c.readPercent / 100);
    r.wReadCacheSize = read;
    r.wWriteCacheSize = static_cast<std::uint16_t>(c.cacheMB - read);
    r.dwStatus = c.cacheMB == 0 ? 1 : (c.cacheDisabled ? 2 : 0);
    r.wDisableCode = c.cacheDisabled ? 1 : 0;
    r.wTotalMemorySize = c.cacheMB;
    r.wBatteryCount = c.batteries;
    r.bBoardPresent = c.cacheMB ? 1 : 0;
    r.wTotalAvailableMemorySize = c.cacheMB;
    if (c.cacheMB) {
        r.bPercentReadCache = c.readPercent;
        r.bPercentWriteCache = static_cast<std::uint8_t>(100 - c.readPercent);
        r.bDefaultPercentReadCache = c.defaultReadPercent;
        r.bDefaultPercentWriteCache = static_cast<std::uint8_t>(100 - c.defaultReadPercent);
    }
    cmd.reply(r);
}

void setCacheConfig(Command& cmd)
{
    CACHE_CONFIG_STATUS incoming;
    if (!cmd.request(incoming))
        return;
    Controller& c = cmd.ctl;
    unsigned read = incoming.wReadCacheSize, write = incoming.wWriteCacheSize;
    if (read + write > c.cacheMB)
        return cmd.fail(kKeyIllegalRequest, kAscInvalidFieldInParameters);
    if (read + write > 0)
        c.readPercent = readPercentOf(read, read + write);
    for (auto& [number, ld] : c.logicalDrives)
        ld.cacheEnabled = !incoming.bDisableFlag && number < 32 && !(incoming.dwCacheDisabledMap & (1u << number));
    cmd.changed();
}

void flushDisableCache(Command& cmd)
{
    FLUSH_DISABLE_CACHE request;
    if (!cmd.request(request))
        return;
    cmd.ctl.cacheDisabled = request.wDisableFlag == 1;
    cmd.changed();
}

void setSurfaceDelay(Command& cmd)
{
    SURFACE_DELAY request;
    if (!cmd.request(request))
        return;
    cmd.ctl.surfaceDelay = request.wDelay;
    cmd.changed();
}

void senseSurfaceStatus(Command& cmd)
{
    SURFACE_STATUS r{};
    r.wSurfaceDelay = cmd.ctl.surfaceDelay;
    r.bInitializationPercentageComplete = 100;
    cmd.reply(r);
}

void senseRedundancy(Command& cmd)
{
    const Controller& c = cmd.ctl;
    REDUNDANT_CONTROLLER_PARAMETERS r;
    std::memcpy(&r, c.redundancy.data(), sizeof r);
    if (c.external) {
        r.bControllerModesSupported = 0x03;
        if (r.bCurrentMode == 0)
            r.bCurrentMode = 0x01;
        r.bControllerStatus = 0x01;
        r.bSlotControl = cmd.call.side == c.activeSide ? 0x01 : 0x00;
        putText(r.sCurrentControllerIdentifier, sideSerial(c, cmd.call.side));
        putText(r.sLinkedControllerIdentifier, sideSerial(c, cmd.call.side ^ 1));
        putText(r.sCommonControllerIdentifier, c.chassisSerial);
    }
    cmd.reply(r);
}

void setRedundancy(Command& cmd)
{
    REDUNDANT_CONTROLLER_PARAMETERS request;
    if (!cmd.request(request))
        return;
    std::memcpy(cmd.ctl.redundancy.data(), &request, sizeof request);
    cmd.changed();
}

void disableOtherController(Command& cmd)
{
    if (!cmd.ctl.external)
        return cmd.fail(kKeyIllegalRequest, kAscInvalidOpcode);
    cmd.ctl.activeSide = cmd.call.side;
    cmd.changed();
}

void senseSubsystem(Command& cmd)
{
    const Controller& c = cmd.ctl;
    SUBSYSTEM_PARAMETERS r{};
    r.bControllerSlotNumber = c.slot;
    putText(r.sChassisSerialNumber, c.chassisSerial);
    putText(r.sControllerSerialNumber, sideSerial(c, cmd.call.side));
    putText(r.sCacheSerialNumber, c.cacheMB ? "C" + sideSerial(c, cmd.call.side) : "");
    if (c.external) {
        putText(r.sLinkedControllerSerialNumber, sideSerial(c, cmd.call.side ^ 1));
        putText(r.sPortName, cmd.call.side ? "B" : "A");
        putText(r.sLinkedPortName, cmd.call.side ? "A" : "B");
    }
    std::memcpy(r.sNodeName, c.nodeWwn.data(), sizeof r.sNodeName);
    std::set<std::string> ports;
    for (const Drive& d : c.drives)
        if (!d.port.empty())
            ports.insert(d.port);
    for (const std::string& port : ports) {
        bool external = port.back() == 'E';
        std::uint8_t& count = external ? r.bExternalPortCount : r.bInternalPortCount;
        PHYSICAL_PORT_INFO* info = external ? r.externalPortInfo : r.internalPortInfo;
        if (count < 8)
            std::memcpy(info[count++].sPhysicalPort, port.data(), std::min<size_t>(2, port.size()));
    }
    cmd.reply(r);
}

void senseBusParameters(Command& cmd)
{
    const Controller& c = cmd.ctl;
    std::uint32_t bus = cmd.call.detail;
    if (bus >= 128 / kDrivesPerBus)
        return cmd.fail(kKeyIllegalRequest, kAscInvalidFieldInCdb);
    SENSE_BUS_PARAMETERS r{};
    DriveSet onBus;
    for (size_t i = bus * kDrivesPerBus; i < (bus + 1) * kDrivesPerBus && i < c.drives.size(); ++i) {
        r.dwInstalledDriveBitmap |= 1u << (i % kDrivesPerBus);
        onBus.set(i);
    }
    driveSetToBytes(onBus, r.pbBigInstalledDriveBitmap);
    r.bBayCount = kDrivesPerBus;
    if (c.external) {
        putBoxInquiry(r.boxInquiryData, c);
        r.bInquiryValid = 1;
        putText(r.sChassisSerialNumber, c.chassisSerial);
    }
    cmd.reply(r);
}

void senseExternalBox(Command& cmd)
{
    EXTERNAL_BOX_PARAMETERS r{};
    if (cmd.ctl.external) {
        std::memset(r.bFanStatus, 1, sizeof r.bFanStatus);
        std::memset(r.bPowerSupplyStatus, 1, sizeof r.bPowerSupplyStatus);
        putBoxInquiry(r.boxInquiryData, cmd.ctl);
    }
    cmd.reply(r);
}

void senseExpansionAbility(Command& cmd)
{
    SENSE_EXPANSION_ABILITY r{};
    r.dwExpansionMemorySize = cmd.ctl.cacheMB;
    cmd.reply(r);
}

void senseMaintenance(Command& cmd) { cmd.reply(cmd.ctl.maintenance); }

void setMaintenance(Command& cmd)
{
    MAINTENANCE_OPERATION request;
    if (!cmd.request(request))
        return;
    std::memcpy(cmd.ctl.maintenance.data(), &request, sizeof request);
    cmd.changed();
}

void lockManagement(Command& cmd)
{
    Controller& c = cmd.ctl;
    if (!c.faults.lockedByOtherHost && cmd.call.detail == kLockDetail && c.lockOwner != LOCK_THIS_HOST) {
        c.lockOwner = LOCK_THIS_HOST;
        cmd.changed();
    } else if (!c.faults.lockedByOtherHost && cmd.call.detail == kUnlockDetail && c.lockOwner != LOCK_NONE) {
        c.lockOwner = LOCK_NONE;
        cmd.changed();
    }
    std::uint32_t state = c.faults.lockedByOtherHost ? std::uint32_t{LOCK_OTHER_HOST} : c.lockOwner;
    cmd.reply(state);
}

void readServerNames(Command& cmd)
{
    CONNECTION_NAME_INTIATORID_ENTRIES r{};
    size_t n = std::min<size_t>(cmd.ctl.initiators.size(), 64);
    for (size_t i = 0; i < n; ++i) {
        const Initiator& ini = cmd.ctl.initiators[i];
        std::memcpy(r.entry[i].bInitiatorID, ini.wwn.data(), 8);
        putText(r.entry[i].sConnectionName, ini.connectionName);
        r.entry[i].bHostMode = ini.hostMode;
    }
    cmd.reply(r);
}

void writeServerNames(Command& cmd)
{
    CONNECTION_NAME_INTIATORID_ENTRIES request;
    if (!cmd.request(request))
        return;
    for (const CONNECTION_NAME_INTIATORID_ENTRY& e : request.entry) {
        std::array<std::uint8_t, 8> wwn;
        std::memcpy(wwn.data(), e.bInitiatorID, 8);
        if (wwn == std::array<std::uint8_t, 8>{})
            continue;
        auto it = std::find_if(cmd.ctl.initiators.begin(), cmd.ctl.initiators.end(),
                               [&](const Initiator& ini) { return ini.wwn == wwn; });
        if (it == cmd.ctl.initiators.end()) {
            cmd.ctl.initiators.push_back(Initiator{wwn, "", 0, false, 0});
            it = std::prev(cmd.ctl.initiators.end());
        }
        it->connectionName.assign(e.sConnectionName, strnlen(e.sConnectionName, sizeof e.sConnectionName));
        it->hostMode = e.bHostMode;
    }
    cmd.changed();
}

void reorderLogicalDrives(Command& cmd)
{
    REORDER_LOGICAL_DRIVES request;
    if (!cmd.request(request))
        return;
    auto& lds = cmd.ctl.logicalDrives;
    for (std::uint8_t a = 0; a < 32; ++a) {
        std::uint8_t b = request.pbUnitNumber[a];
        if (b <= a || b >= 32 || request.pbUnitNumber[b] != a)
            continue;
        auto na = lds.extract(a), nb = lds.extract(b);
        if (!na.empty()) {
            na.key() = b;
            na.mapped().number = b;
            lds.insert(std::move(na));
        }
        if (!nb.empty()) {
            nb.key() = a;
            nb.mapped().number = a;
            lds.insert(std::move(nb));
        }
        for (Initiator& ini : cmd.ctl.initiators) {
            bool hasA = ini.aclMap & (1u << a), hasB = ini.aclMap & (1u << b);
            ini.aclMap &= ~((1u << a) | (1u << b));
            ini.aclMap |= (hasA ? 1u << b : 0u) | (hasB ? 1u << a : 0u);
        }
    }
    cmd.changed();
}

void senseMonitoringViolations(Command& cmd)
{
    SENSE_MNP_VIOLATIONS r{};
    for (size_t i = 0; i < cmd.ctl.drives.size() && i < 256; ++i)
        r.bDriveStatus[i] = cmd.ctl.drives[i].health == HEALTH_PREDICTIVE ? 1 : 0;
    cmd.reply(r);
}

} // namespace Sim
