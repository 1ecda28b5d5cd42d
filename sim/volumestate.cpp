#include "sim/volumestate.h"

#include <algorithm>
#include <cstdio>

namespace Sim {
namespace {

DriveSet dataDrives(const LogicalDrive& ld) { return driveSetFromBytes(configOf(ld).pbBigDriveAssignmentMap); }

bool isFailed(const Controller& c, std::uint16_t index)
{
    return index < c.drives.size() && c.drives[index].health == HEALTH_FAILED;
}

// Failed data drives for which no healthy spare stands in.
DriveSet uncoveredFailures(const Controller& c, const LogicalDrive& ld)
{
    DriveSet failed;
    DriveSet data = dataDrives(ld);
    for (std::uint16_t i = 0; i < c.drives.size() && i < 128; ++i)
        if (data.test(i) && isFailed(c, i))
            failed.set(i);
    for (const auto& [spare, replaced] : ld.activeSpares)
        if (!isFailed(c, spare) && replaced < 128)
            failed.reset(replaced);
    return failed;
}

std::uint64_t remaining(std::uint64_t total, std::int64_t start, std::int64_t end, std::int64_t now)
{
    if (end <= start || now >= end)
        return 0;
    if (now <= start)
        return total;
    return static_cast<std::uint64_t>(static_cast<double>(total) * static_cast<double>(end - now) /
                                      static_cast<double>(end - start));
}

void startRebuild(Controller& c, LogicalDrive& ld, std::uint16_t target, std::int64_t now)
{
    ld.task = TASK_REBUILD;
    ld.taskStart = now;
    ld.taskEnd = now + c.rebuildSeconds;
    ld.rebuildDrive = target;
}

bool spareInUse(const LogicalDrive& ld, std::uint16_t spare)
{
    return std::any_of(ld.activeSpares.begin(), ld.activeSpares.end(),
                       [&](const auto& pair) { return pair.first == spare; });
}

} // namespace

VolumeState volumeState(const Controller& c, const LogicalDrive& ld, std::int64_t now)
{
    VolumeState s;
    LOGICAL_DRIVE_CONFIG config = configOf(ld);
    std::uint64_t size = volumeBlocks(config);
    s.failedData = uncoveredFailures(c, ld);
    for (const auto& [spare, replaced] : ld.activeSpares)
        if (spare < 128)
            s.activeSpares.set(spare);
    if (ld.forcedFailed || s.failedData.count() > toleratedFailures(config.wFaultTolerance)) {
        s.unitStatus = UNIT_FAILED;
    } else if (ld.task == TASK_EXPAND && now < ld.taskEnd) {
        s.unitStatus = now < ld.taskStart ? UNIT_QUEUED_FOR_EXPANSION : UNIT_EXPANDING;
        s.blocksLeft = remaining(size, ld.taskStart, ld.taskEnd, now);
    } else if (ld.task == TASK_REBUILD && now < ld.taskEnd) {
        s.unitStatus = UNIT_RECOVERING;
        s.blocksLeft = remaining(size, ld.taskStart, ld.taskEnd, now);
        s.rebuildingDrive = ld.rebuildDrive;
    } else if (s.failedData.any()) {
        s.unitStatus = UNIT_INTERIM_RECOVERY;
    }
    return s;
}

void engageSpares(Controller& c, std::int64_t now)
{
    for (auto& [number, ld] : c.logicalDrives) {
        LOGICAL_DRIVE_CONFIG config = configOf(ld);
        DriveSet failed = uncoveredFailures(c, ld);
        if (failed.none() || failed.count() > toleratedFailures(config.wFaultTolerance))
            continue;
        DriveSet spares = driveSetFromBytes(config.pbBigSpareAssignmentMap);
        for (std::uint16_t drive = 0; drive < 128; ++drive) {
            if (!failed.test(drive))
                continue;
            for (std::uint16_t spare = 0; spare < c.drives.size() && spare < 128; ++spare) {
                if (!spares.test(spare) || isFailed(c, spare) || c.drives[spare].tape || spareInUse(ld, spare))
                    continue;
                ld.activeSpares.emplace_back(spare, drive);
                startRebuild(c, ld, spare, now);
                break;
            }
        }
    }
}

void failDrive(Controller& c, std::uint16_t index, std::int64_t now)
{
    if (index >= c.drives.size())
        return;
    c.drives[index].health = HEALTH_FAILED;
    engageSpares(c, now);
}

void restoreDrive(Controller& c, std::uint16_t index, std::int64_t now)
{
    if (index >= c.drives.size())
        return;
    bool wasFailed = c.drives[index].health == HEALTH_FAILED;
    c.drives[index].health = HEALTH_OK;
    c.drives[index].muted = false;
    if (!wasFailed)
        return;
    for (auto& [number, ld] : c.logicalDrives) {
        auto& pairs = ld.activeSpares;
        pairs.erase(std::remove_if(pairs.begin(), pairs.end(), [&](const auto& p) { return p.second == index; }),
                    pairs.end());
        LOGICAL_DRIVE_CONFIG config = configOf(ld);
        if (index < 128 && dataDrives(ld).test(index) && toleratedFailures(config.wFaultTolerance) > 0)
            startRebuild(c, ld, index, now);
    }
}

std::array<std::uint8_t, 16> volumeUniqueId(const Controller& c, const LogicalDrive& ld)
{
    std::array<std::uint8_t, 16> id{};
    std::uint32_t words[4] = {0x6F0A7E50u, textHash(c.serial), textHash(c.name), ld.volumeId};
    for (int w = 0; w < 4; ++w)
        for (int b = 0; b < 4; ++b)
            id[static_cast<size_t>(w * 4 + b)] = static_cast<std::uint8_t>(words[w] >> (24 - 8 * b));
    return id;
}

std::string volumeSerial(const Controller& c, const LogicalDrive& ld)
{
    char tail[16];
    std::snprintf(tail, sizeof tail, "%08X", ld.volumeId);
    return c.serial + tail;
}

} // namespace Sim
