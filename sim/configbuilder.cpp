#include "sim/configbuilder.h"

#include "sim/profile.h"
#include "sim/volumegeometry.h"

#include <algorithm>
#include <sstream>

namespace Sim {
namespace {

constexpr unsigned kHeads = 255;

bool resolveDrives(const Controller& c, const std::string& list, DriveSet& set, std::string& error)
{
    std::stringstream ss(list);
    for (std::string location; std::getline(ss, location, ',');) {
        auto it = std::find_if(c.drives.begin(), c.drives.end(),
                               [&](const Drive& d) { return d.location == location && !d.tape; });
        if (it == c.drives.end()) {
            error = "no drive at " + location + " on controller " + c.name;
            return false;
        }
        set.set(static_cast<size_t>(it - c.drives.begin()));
    }
    return true;
}

bool raidCodeOf(const std::string& text, unsigned& code)
{
    static const std::pair<const char*, unsigned> names[] = {{"0", RAID0},   {"1", RAID1},   {"10", RAID1},
                                                             {"1+0", RAID1}, {"4", RAID4},   {"5", RAID5},
                                                             {"50", RAID51}, {"51", RAID51}, {"6", RAID6}};
    for (const auto& [name, value] : names)
        if (text == name) {
            code = value;
            return true;
        }
    return false;
}

// First block after the logical drives that already use these drives.
std::uint64_t nextOffset(const Controller& c, const DriveSet& data)
{
    std::uint64_t next = 0;
    for (const auto& [number, ld] : c.logicalDrives) {
        LOGICAL_DRIVE_CONFIG other = configOf(ld);
        if ((driveSetFromBytes(other.pbBigDriveAssignmentMap) & data).any())
            next = std::max<std::uint64_t>(next, dataOffset(other) + other.qwExtendedBlocksPerDrive);
    }
    return next;
}

std::uint64_t smallestDrive(const Controller& c, const DriveSet& data)
{
    std::uint64_t smallest = UINT64_MAX;
    for (size_t i = 0; i < c.drives.size(); ++i)
        if (data.test(i))
            smallest = std::min<std::uint64_t>(smallest, c.drives[i].blocks - c.drives[i].reservedBlocks);
    return smallest;
}

void setGeometry(LOGICAL_DRIVE_CONFIG& config, std::uint64_t size, unsigned sectors)
{
    config.wOS = sectors == 32 ? 0xFD00 : 0xFE00;
    std::uint64_t cylinders = size / (kHeads * sectors);
    if (cylinders <= 65535) {
        setDriveParameterTable(config, kHeads, sectors, static_cast<unsigned>(cylinders));
        config.qwBigBlocksInLogicalDrive = 0;
    } else {
        config.bLogicalDriveProperty |= 1;
        config.qwBigBlocksInLogicalDrive = size;
        setDriveParameterTable(config, kHeads, sectors, 65535);
    }
}

// A volume identifier that stays the same each time the profile is loaded.
std::uint32_t presetVolumeId(const Controller& c, std::uint16_t number)
{
    std::uint32_t h = textHash(c.name + "/" + std::to_string(number));
    return h == 0 ? 1 : h;
}

} // namespace

bool buildProfileConfig(const Controller& c, const TextRecord& line, LogicalDrive& ld, std::string& error)
{
    DriveSet data, spares;
    if (!resolveDrives(c, line.get("drives"), data, error) || !resolveDrives(c, line.get("spares"), spares, error))
        return false;
    unsigned raid = 0;
    if (!raidCodeOf(line.get("raid", "0"), raid)) {
        error = "unknown raid level " + line.get("raid");
        return false;
    }
    unsigned members = static_cast<unsigned>(data.count());
    unsigned d = dataDriveCount(raid, members);
    unsigned stripeKB = static_cast<unsigned>(std::strtoul(line.get("stripe", "128").c_str(), nullptr, 10));
    unsigned sectors = line.get("sectors", "63") == "32" ? 32 : 63;
    if (d == 0 || stripeKB == 0 || stripeKB > 1024 || (spares & data).any()) {
        error = "logical drive " + std::to_string(ld.number) + ": drives, raid level or stripe do not fit";
        return false;
    }
    unsigned stripe = stripeKB * 2;
    std::uint64_t offset = nextOffset(c, data);
    std::uint64_t smallest = smallestDrive(c, data);
    std::uint64_t free = smallest > offset ? (smallest - offset) / stripe * stripe : 0;
    std::uint64_t size = 0;
    std::string sizeText = line.get("size", "max");
    if (sizeText == "max")
        size = free * d / (kHeads * sectors) * (kHeads * sectors);
    else if (!parseVolumeSize(sizeText, size))
        size = 0;
    if (size == 0 || blocksPerDrive(size, stripe, d) > free) {
        error = "logical drive " + std::to_string(ld.number) + " does not fit on its drives";
        return false;
    }
    if (ld.volumeId == 0)
        ld.volumeId = presetVolumeId(c, ld.number);
    LOGICAL_DRIVE_CONFIG config = configOf(ld);
    config.dwSignature = 0xA0000000u | (ld.number + 1u);
    config.wCPCPort = 2;
    config.bDataDistributionMode = 2;
    config.bParityShiftFactor = 4;
    config.wPhysicalDrives = static_cast<std::uint16_t>(c.drives.size());
    config.wBlockSize = 512;
    config.wDistribution = static_cast<std::uint16_t>(stripe);
    config.wFaultTolerance = static_cast<std::uint16_t>(raid);
    config.wDrivesConsumedForFaultTolerance = static_cast<std::uint16_t>(members - d);
    config.wAssignedDrives = static_cast<std::uint16_t>(members);
    driveSetToBytes(data, config.pbBigDriveAssignmentMap);
    driveSetToBytes(raid == RAID0 ? DriveSet{} : spares, config.pbBigSpareAssignmentMap);
    config.dwDataOffset = static_cast<std::uint32_t>(offset);
    setGeometry(config, size, sectors);
    config.bConfigModMajorVer = 4;
    config.bGUIOptions = 8;
    completeConfig(config);
    storeConfig(ld, config);
    return true;
}

} // namespace Sim
