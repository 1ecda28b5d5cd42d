// Firmware commands addressed to logical drives: identity, status, the
// configuration records, transformations, labels and block I/O.
#include "controller/bmiclayouts_logicaldrive.h"
#include "controller/driveparametertable.h"
#include "sim/fwcommand.h"
#include "sim/volumegeometry.h"
#include "sim/volumeimage.h"
#include "sim/volumestate.h"

#include <random>

namespace Sim {
namespace {

// A drive map of a record: the 128-bit form and the older 32-bit form together.
DriveSet combinedSet(const std::uint8_t (&big)[16], std::uint32_t small)
{
    return driveSetFromBytes(big) | DriveSet(small);
}

DriveSet dataSetOf(const LOGICAL_DRIVE_CONFIG& config)
{
    return combinedSet(config.pbBigDriveAssignmentMap, config.dwAssignedDriveBitmap);
}

DriveSet spareSetOf(const LOGICAL_DRIVE_CONFIG& config)
{
    return combinedSet(config.pbBigSpareAssignmentMap, config.dwSpareAssignmentBitmap);
}

bool drivesUsable(const Controller& c, const DriveSet& set, const DriveSet& mayBeFailed)
{
    for (size_t i = 0; i < 128; ++i) {
        if (!set.test(i))
            continue;
        if (i >= c.drives.size() || c.drives[i].tape)
            return false;
        if (c.drives[i].health == HEALTH_FAILED && !mayBeFailed.test(i))
            return false;
    }
    return true;
}

std::uint64_t smallestUsable(const Controller& c, const DriveSet& set)
{
    std::uint64_t smallest = UINT64_MAX;
    for (size_t i = 0; i < c.drives.size() && i < 128; ++i)
        if (set.test(i))
            smallest = std::min<std::uint64_t>(smallest, c.drives[i].blocks - c.drives[i].reservedBlocks);
    return smallest;
}

// Other logical drives on the same drives must form the same array and keep
// their extents apart. A transformation moves several logical drives one
// after the other: while it runs, the other logical drives of its array may
// still lie on the array's old drives, but the new extent must stay clear of
// where each of them is now, or the move would overwrite their data.
bool fitsBesideOthers(const Controller& c, std::uint16_t number, const LOGICAL_DRIVE_CONFIG& config,
                      const DriveSet& previous, bool transformation)
{
    DriveSet data = dataSetOf(config);
    std::uint64_t start = dataOffset(config);
    std::uint64_t end = start + config.qwExtendedBlocksPerDrive;
    for (const auto& [otherNumber, other] : c.logicalDrives) {
        if (otherNumber == number)
            continue;
        LOGICAL_DRIVE_CONFIG oc = configOf(other);
        DriveSet otherData = dataSetOf(oc);
        if ((otherData & data).none())
            continue;
        if (transformation && (otherData & previous).none())
            return false;
        std::uint64_t otherStart = dataOffset(oc);
        bool overlaps = start < otherStart + oc.qwExtendedBlocksPerDrive && otherStart < end;
        if ((!transformation && otherData != data) || overlaps)
            return false;
    }
    return true;
}

// Checks a record sent by the configuration tool; previous is the data drive
// set of the logical drive as stored (empty for a new one).
bool validRecord(const Controller& c, std::uint16_t number, LOGICAL_DRIVE_CONFIG& config, const DriveSet& previous,
                 bool transformation)
{
    DriveSet data = dataSetOf(config);
    DriveSet spares = spareSetOf(config);
    unsigned members = static_cast<unsigned>(data.count());
    if (members != config.wAssignedDrives || dataDriveCount(config.wFaultTolerance, members) == 0 ||
        config.wDistribution == 0 || (data & spares).any())
        return false;
    if (!drivesUsable(c, data, previous) || !drivesUsable(c, spares, spares))
        return false;
    completeConfig(config);
    std::uint64_t size = volumeBlocks(config);
    if (size == 0 || dataOffset(config) + config.qwExtendedBlocksPerDrive > smallestUsable(c, data))
        return false;
    return fitsBesideOthers(c, number, config, previous, transformation);
}

// A drive is free for an array when no other array holds it as a data drive
// (fitsBesideOthers) or as a spare, and a spare is no other array's data drive.
bool drivesFree(const Controller& c, std::uint16_t number, const LOGICAL_DRIVE_CONFIG& config)
{
    DriveSet data = dataSetOf(config);
    DriveSet spares = spareSetOf(config);
    for (const auto& [otherNumber, other] : c.logicalDrives) {
        LOGICAL_DRIVE_CONFIG oc = configOf(other);
        if (otherNumber == number || dataSetOf(oc) == data)
            continue;
        if ((data & spareSetOf(oc)).any() || (spares & dataSetOf(oc)).any())
            return false;
    }
    return true;
}

// A configured number takes a record again only for what may change in place
// (spares, flags): its drives, extent, level and stripe stay. The table
// checksum is checked on the record of a new logical drive, where the tool
// has just computed it; a record sent back with changed spares is taken as
// it is (the firmware makes the checksum add up again when it stores it).
bool keepsLayout(const LOGICAL_DRIVE_CONFIG& stored, const LOGICAL_DRIVE_CONFIG& sent)
{
    return dataSetOf(stored) == dataSetOf(sent) && dataOffset(stored) == dataOffset(sent) &&
        volumeBlocks(stored) == volumeBlocks(sent) && stored.wFaultTolerance == sent.wFaultTolerance &&
        stored.wDistribution == sent.wDistribution;
}

std::uint32_t freshVolumeId(const Controller& c)
{
    static std::random_device device;
    for (;;) {
        std::uint32_t id = device();
        bool taken = id == 0;
        for (const auto& [number, ld] : c.logicalDrives)
            taken = taken || ld.volumeId == id;
        if (!taken)
            return id;
    }
}

std::string imageOf(const Command& cmd) { return imagePath(cmd.ctx.imageDir, cmd.ctl, *cmd.ld); }

// The first moment a newly queued transformation may start: transformations
// of one controller run one after the other.
std::int64_t nextTransformationStart(const Controller& c, std::uint16_t number, std::int64_t now)
{
    std::int64_t start = now + c.queueSeconds;
    for (const auto& [otherNumber, ld] : c.logicalDrives)
        if (otherNumber != number && ld.task == TASK_EXPAND && ld.taskEnd > start)
            start = ld.taskEnd;
    return start;
}

bool blockInRange(Command& cmd)
{
    if (cmd.call.detail < volumeBlocks(configOf(*cmd.ld)) && cmd.call.length >= 512)
        return true;
    cmd.fail(kKeyIllegalRequest, kAscInvalidFieldInCdb);
    return false;
}

} // namespace

void identifyLogicalDrive(Command& cmd)
{
    LOGICAL_DRIVE_CONFIG config = configOf(*cmd.ld);
    IDENTIFY_LOGICAL_DRIVE r{};
    std::uint64_t size = volumeBlocks(config);
    r.wBlockSize = 512;
    r.dwBlocksOnVolume = size > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(size);
    r.logicalDriveParamTable = config.logicalDriveParamTable;
    r.bFaultToleranceMode = static_cast<std::uint8_t>(config.wFaultTolerance);
    r.bBiosDisable = config.bBIOSDisableFlag;
    r.dwVolumeIdentifier = cmd.ld->volumeId;
    putText(r.sVolumeLabel, cmd.ld->label);
    r.qwBigBlocksInLogicalDrive = size;
    std::array<std::uint8_t, 16> id = volumeUniqueId(cmd.ctl, *cmd.ld);
    std::memcpy(r.bPage83Identifier, id.data(), id.size());
    cmd.reply(r);
}

void senseLogicalDriveStatus(Command& cmd)
{
    VolumeState s = volumeState(cmd.ctl, *cmd.ld, cmd.ctx.now);
    LOGICAL_DRIVE_STATUS r{};
    r.bUnitStatus = s.unitStatus;
    r.dwDriveFailureBitmap = static_cast<std::uint32_t>((s.failedData & DriveSet(0xFFFFFFFFull)).to_ulong());
    driveSetToBytes(s.failedData, r.pbBigDriveFailureBitmap);
    r.dwBlocksLeftToRecover = s.blocksLeft > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(s.blocksLeft);
    r.qwBigBlocksLeftToRecover = s.blocksLeft;
    if (s.rebuildingDrive != 0xFFFF) {
        r.bDriveRebuilding = static_cast<std::uint8_t>(s.rebuildingDrive);
        r.bBigDriveRebuilding = static_cast<std::uint8_t>(s.rebuildingDrive);
        r.wExtendedDriveRebuilding = s.rebuildingDrive;
    }
    r.dwActiveSpareBitmap = static_cast<std::uint32_t>((s.activeSpares & DriveSet(0xFFFFFFFFull)).to_ulong());
    driveSetToBytes(s.activeSpares, r.pbBigActiveSpareBitmap);
    for (const auto& [spare, replaced] : cmd.ld->activeSpares)
        if (spare < 128)
            r.pbBigSpareToReplaceBitmap[spare] = static_cast<std::uint8_t>(replaced);
    r.bSpareStatus = s.activeSpares.any() ? 0x03 : (spareSetOf(configOf(*cmd.ld)).any() ? 0x01 : 0x00);
    r.bMediaExchanged = cmd.ld->mediaExchanged ? 1 : 0;
    cmd.reply(r);
}

void senseConfiguration(Command& cmd)
{
    auto it = cmd.ctl.logicalDrives.find(cmd.call.unit);
    LOGICAL_DRIVE_CONFIG r{};
    if (it != cmd.ctl.logicalDrives.end())
        r = configOf(it->second);
    cmd.reply(r);
}

void setConfiguration(Command& cmd)
{
    LOGICAL_DRIVE_CONFIG config;
    if (!cmd.request(config))
        return;
    std::uint16_t number = cmd.call.unit;
    auto it = cmd.ctl.logicalDrives.find(number);
    if (config.wAssignedDrives == 0) {
        if (it != cmd.ctl.logicalDrives.end()) {
            cmd.ctl.logicalDrives.erase(it);
            for (Initiator& ini : cmd.ctl.initiators)
                ini.aclMap &= ~(1u << number);
            cmd.changed();
        }
        return;
    }
    bool exists = it != cmd.ctl.logicalDrives.end();
    DriveSet previous = exists ? dataSetOf(configOf(it->second)) : DriveSet{};
    bool checksumWrong = config.logicalDriveParamTable.bChecksum != parameterTableChecksum(config);
    if ((exists ? !keepsLayout(configOf(it->second), config) : checksumWrong) || !drivesFree(cmd.ctl, number, config) ||
        !validRecord(cmd.ctl, number, config, previous, false))
        return cmd.fail(kKeyIllegalRequest, kAscInvalidFieldInParameters);
    if (!exists) {
        LogicalDrive ld;
        ld.number = number;
        ld.volumeId = freshVolumeId(cmd.ctl);
        it = cmd.ctl.logicalDrives.emplace(number, std::move(ld)).first;
    }
    storeConfig(it->second, config);
    sizeImage(imagePath(cmd.ctx.imageDir, cmd.ctl, it->second), volumeBlocks(config));
    engageSpares(cmd.ctl, cmd.ctx.now);
    cmd.changed();
}

void changeConfiguration(Command& cmd)
{
    LOGICAL_DRIVE_CONFIG config;
    if (!cmd.request(config))
        return;
    LOGICAL_DRIVE_CONFIG present = configOf(*cmd.ld);
    DriveSet previous = dataSetOf(present);
    if (!drivesFree(cmd.ctl, cmd.ld->number, config) || !validRecord(cmd.ctl, cmd.ld->number, config, previous, true) ||
        (previous & ~dataSetOf(config)).any() || volumeBlocks(config) < volumeBlocks(present))
        return cmd.fail(kKeyIllegalRequest, kAscInvalidFieldInParameters);
    storeConfig(*cmd.ld, config);
    cmd.ld->task = TASK_EXPAND;
    cmd.ld->taskStart = nextTransformationStart(cmd.ctl, cmd.ld->number, cmd.ctx.now);
    cmd.ld->taskEnd = cmd.ld->taskStart + cmd.ctl.expandSeconds;
    sizeImage(imageOf(cmd), volumeBlocks(config));
    cmd.changed();
}

void labelLogicalDrive(Command& cmd)
{
    LABEL_LOGICAL_DRIVE label;
    if (!cmd.request(label))
        return;
    if (label.dwLogicalDriveIdentifier != 0 && label.dwLogicalDriveIdentifier != cmd.ld->volumeId)
        return cmd.fail(kKeyIllegalRequest, kAscInvalidFieldInParameters);
    const char* text = reinterpret_cast<const char*>(label.pbLogicalDriveLabel);
    cmd.ld->label.assign(text, strnlen(text, sizeof label.pbLogicalDriveLabel));
    cmd.changed();
}

void bypassVolumeState(Command& cmd)
{
    cmd.ld->forcedFailed = false;
    cmd.changed();
}

void acceptMediaExchange(Command& cmd)
{
    cmd.ld->mediaExchanged = false;
    cmd.ld->forcedFailed = false;
    cmd.changed();
}

void readLogicalDriveBlock(Command& cmd)
{
    if (!blockInRange(cmd))
        return;
    READ_WRITE_BUFFER block;
    if (!readImage(imageOf(cmd), cmd.call.detail, block.ARRAY, sizeof block.ARRAY))
        return cmd.fail(kKeyHardwareError, kAscLunFailure);
    cmd.reply(block);
}

void writeLogicalDriveBlock(Command& cmd)
{
    READ_WRITE_BUFFER block;
    if (!blockInRange(cmd) || !cmd.request(block))
        return;
    std::string image = imageOf(cmd);
    if (!sizeImage(image, volumeBlocks(configOf(*cmd.ld))) ||
        !writeImage(image, cmd.call.detail, block.ARRAY, sizeof block.ARRAY))
        cmd.fail(kKeyHardwareError, kAscLunFailure);
}

void senseMirrorPairs(Command& cmd)
{
    LOGICAL_DRIVE_CONFIG config = configOf(*cmd.ld);
    MIRROR_DRIVE_PAIR_INFO r;
    std::memset(&r, 0xFF, sizeof r);
    if (config.wFaultTolerance == RAID1) {
        DriveSet data = dataSetOf(config);
        std::vector<std::uint16_t> members;
        for (std::uint16_t i = 0; i < 128; ++i)
            if (data.test(i))
                members.push_back(i);
        size_t half = members.size() / 2;
        for (size_t i = 0; i < half; ++i) {
            r.bPairedDrive[members[i]] = members[i + half];
            r.bPairedDrive[members[i + half]] = members[i];
        }
    }
    cmd.reply(r);
}

void readVolumeProfile(Command& cmd)
{
    static const VOLUME_PROFILE_DATA_TOTAL empty{};
    cmd.reply(empty);
}

} // namespace Sim
