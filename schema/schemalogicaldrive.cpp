#include "schema/schemalogicaldrive.h"

#include <iterator>

namespace Schema {
namespace {

namespace Facts = Interface::StorageMod::LogicalDrive;

// Status codes of a logical drive, in code order from 0.
const char* const kVolumeStatus[] = {
    Facts::ATTR_VALUE_STATUS_OK,
    Facts::ATTR_VALUE_STATUS_FAILED,
    Facts::ATTR_VALUE_STATUS_NOT_CONFIGURED,
    Facts::ATTR_VALUE_STATUS_INTERIM_RECOVERY,
    Facts::ATTR_VALUE_STATUS_READY_FOR_RECOVERY,
    Facts::ATTR_VALUE_STATUS_RECOVERING,
    Facts::ATTR_VALUE_STATUS_WRONG_DRIVE_REPLACED,
    Facts::ATTR_VALUE_STATUS_DRIVE_IMPROPERLY_CONNECTED,
    Facts::ATTR_VALUE_STATUS_HARDWARE_IS_OVERHEATING,
    Facts::ATTR_VALUE_STATUS_HARDWARE_HAS_OVERHEATED,
    Facts::ATTR_VALUE_STATUS_EXPANDING,
    Facts::ATTR_VALUE_STATUS_NOT_YET_AVAILABLE,
    Facts::ATTR_VALUE_STATUS_QUEUED_FOR_EXPANSION,
};

// A RAID level: its fault-tolerance code, the fewest member drives it takes, whether it takes
// only an even number, and its data drives for n members: n / dataDivisor - dataMinus.
struct RaidLevel {
    const char* level;
    unsigned code;
    unsigned minimumDrives;
    bool evenDrivesOnly;
    unsigned dataDivisor;
    unsigned dataMinus;
};

const RaidLevel kRaidLevels[] = {
    {Facts::ATTR_VALUE_RAID_0, 0, 1, false, 1, 0}, {Facts::ATTR_VALUE_RAID_4, 1, 3, false, 1, 1},
    {Facts::ATTR_VALUE_RAID_1, 2, 2, true, 2, 0},  {Facts::ATTR_VALUE_RAID_5, 3, 3, false, 1, 1},
    {Facts::ATTR_VALUE_RAID_51, 4, 6, true, 2, 1}, {Facts::ATTR_VALUE_RAID_6, 5, 4, false, 1, 2},
};

const RaidLevel* findLevel(const Common::string& level)
{
    for (const RaidLevel& entry : kRaidLevels)
        if (level == entry.level)
            return &entry;
    return nullptr;
}

} // namespace

Common::string LogicalDrive::volumeStatus(unsigned code)
{
    return code < std::size(kVolumeStatus) ? Common::string(kVolumeStatus[code]) : Common::string();
}

Common::string LogicalDrive::faultTolerance(unsigned code)
{
    for (const RaidLevel& entry : kRaidLevels)
        if (entry.code == code)
            return entry.level;
    return Common::string();
}

bool LogicalDrive::faultToleranceCode(const Common::string& level, unsigned& code)
{
    const RaidLevel* entry = findLevel(level);
    if (entry != nullptr)
        code = entry->code;
    return entry != nullptr;
}

// RAID 1 asks only for an even count; zero drives is even too, but no logical drive at all.
bool LogicalDrive::isDriveCountValidFor(const Common::string& level, unsigned driveCount, unsigned& dataDrives)
{
    const RaidLevel* entry = findLevel(level);
    if (entry == nullptr || driveCount < entry->minimumDrives || (entry->evenDrivesOnly && driveCount % 2 != 0))
        return false;
    dataDrives = driveCount / entry->dataDivisor - entry->dataMinus;
    return true;
}

} // namespace Schema
