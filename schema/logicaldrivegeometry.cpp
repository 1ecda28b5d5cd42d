// How a new logical drive's configuration record is sized and stamped: the largest size an
// array's free space holds, the stripe alignment per model, the drive parameter table and the
// version fields (members of Schema::LogicalDrive).
#include <algorithm>
#include <bit>
#include <ctime>

#include "controller/driveparametertable.h"
#include "controller/modeltable.h"
#include "schema/schemalogicaldrive.h"

namespace Schema {
namespace {

constexpr unsigned long long kDefaultAlignment = 512;
constexpr unsigned kBigDriveTableCylinders = LogicalDrive::MAX_CYLINDERS;

unsigned long long bootBoundary(unsigned sectors)
{
    return sectors == LogicalDrive::SECTORS_32 ? LogicalDrive::MAX_BOOT_BOUNDARY_32
                                               : LogicalDrive::MAX_BOOT_BOUNDARY_63;
}

unsigned spareCount(const LOGICAL_DRIVE_CONFIG& config)
{
    unsigned count = 0;
    for (std::uint8_t byte : config.pbBigSpareAssignmentMap)
        count += static_cast<unsigned>(std::popcount(byte));
    return count;
}

unsigned configModMajorVersion(const LOGICAL_DRIVE_CONFIG& config)
{
    const std::uint64_t big = config.qwBigBlocksInLogicalDrive;
    const unsigned sectors = config.logicalDriveParamTable.bSectorsPerTrack;
    const unsigned cylinders = config.logicalDriveParamTable.wMaxCylinders;
    if (big > LogicalDrive::MAX_LOGICAL_DRIVE_BOUNDARY)
        return 9;
    if (sectors == LogicalDrive::SECTORS_32 && cylinders == kBigDriveTableCylinders && big != 0)
        return 8;
    if (spareCount(config) > 1)
        return 7;
    return big != 0 ? 5 : 4;
}

} // namespace

bool LogicalDrive::MaxUserSize(bool over2TB, bool limitToBoot, unsigned long long blocks, unsigned sectors,
                               unsigned long long alignment, unsigned driveCount, unsigned dataDrives,
                               unsigned long long& result, bool capAtBoot)
{
    result = 0;
    if (driveCount == 0 || alignment == 0)
        return false;
    const unsigned long long per = blocks / driveCount;
    const unsigned long long rem = per % alignment;
    result = (per - rem) * dataDrives + rem;
    const unsigned long long cylinder = static_cast<unsigned long long>(sectors) * HEADS;
    if (cylinder != 0 && result < bootBoundary(sectors))
        result -= result % cylinder;
    if (over2TB)
        return true;
    result = std::min(result, MAX_LOGICAL_DRIVE_BOUNDARY);
    if (limitToBoot) {
        if (capAtBoot)
            result = std::min(result, bootBoundary(sectors));
        return true;
    }
    result = std::min(result, cylinder * MAX_CYLINDERS);
    return true;
}

unsigned long long LogicalDrive::maxStripeAlignment(const Core::Device& device, unsigned long long stripe)
{
    const Common::string name = Interface::StorageMod::ATTR_NAME_CONTROLLER_NAME;
    Core::DevicePtr parent = device.pParent();
    Common::string model = device.getValueFor(name);
    for (; model.empty() && parent; parent = parent->pParent())
        model = parent->getValueFor(name);
    return ModelTable::hasTrait(model.c_str(), ModelTable::TRAIT_STRIPE_ALIGNED) ? stripe : kDefaultAlignment;
}

void LogicalDrive::SetDriveParameterTable(LOGICAL_DRIVE_CONFIG& config, unsigned heads, unsigned sectors,
                                          unsigned cylinders)
{
    setDriveParameterTable(config, heads, sectors, cylinders);
}

void LogicalDrive::Stamp(LOGICAL_DRIVE_CONFIG& config)
{
    config.bGUIMajorVer = 0;
    config.bGUIMinorVer = 0;
    config.bGUIOptions = 8;
    config.bConfigModMajorVer = static_cast<std::uint8_t>(configModMajorVersion(config));
    // The version fields lie within the bytes the table checksum covers.
    config.logicalDriveParamTable.bChecksum = parameterTableChecksum(config);
}

void LogicalDrive::GenerateSignature(std::uint32_t& signature)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::uint32_t date = static_cast<std::uint32_t>(local.tm_year + 1900 - 1980) * 512 +
        static_cast<std::uint32_t>(local.tm_mon & 0xF) * 32 + static_cast<std::uint32_t>(local.tm_mday & 0x1F);
    const std::uint32_t time = static_cast<std::uint32_t>(local.tm_hour) * 2048 +
        static_cast<std::uint32_t>(local.tm_min & 0x3F) * 32 + static_cast<std::uint32_t>(local.tm_sec & 0x1F);
    signature = ((date * 65536u + time + 1u) & 0x0FFFFFFFu) | 0xA0000000u;
}

} // namespace Schema
