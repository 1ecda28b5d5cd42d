#include "operations/virtuallogicaldrive.h"

#include "common/clog.h"
#include "operations/arrayinfo.h"
#include "operations/conversion.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {
namespace {

using Schema::LogicalDrive;

constexpr std::uint8_t kBigDriveProperty = 0x01;
// Records carry the data offset in 32 bits.
constexpr std::uint64_t kLastOffset = 0xFFFFFFFFull;

bool refused(const char* why)
{
    Common::Logger::Log("%s", why);
    return false;
}

} // namespace

unsigned VirtualLogicalDrive::Layout::dataDriveCount() const
{
    unsigned data = 0;
    return LogicalDrive::isDriveCountValidFor(raid, static_cast<unsigned>(dataDrives.count()), data) ? data : 0;
}

void VirtualLogicalDrive::place(unsigned dataDrives)
{
    const std::uint64_t s = m_planned.stripeSize, size = m_planned.size, d = dataDrives;
    if (s == 0 || d == 0) {
        m_planned.blocksPerDrive = 0;
        return;
    }
    if ((size / s) % d != 0)
        m_planned.blocksPerDrive = (size / (s * d) + 1) * s;
    else
        m_planned.blocksPerDrive = s * (size / (s * d)) + size % s;
}

bool VirtualLogicalDrive::stripeChanges() const { return m_planned.stripeSize != m_present.stripeSize; }

bool VirtualLogicalDrive::isValid(std::uint64_t transformationCache) const
{
    const unsigned plannedData = m_planned.dataDriveCount(), presentData = m_present.dataDriveCount();
    if (plannedData == 0 || m_planned.blocksPerDrive == 0)
        return refused("Logical drive has no valid layout");
    if (m_planned.size < m_present.size)
        return refused("Logical drive cannot shrink");
    if (m_planned.dataOffset > kLastOffset)
        return refused("Logical drive starts beyond the reach of a data offset");
    if (stripeChanges() &&
        Conversion::leastCommonMultiple(std::uint64_t{m_planned.stripeSize} * plannedData,
                                        std::uint64_t{m_present.stripeSize} * presentData) > transformationCache)
        return refused("Stripe size migration not possible due to cache size");
    const bool overlaps =
        m_planned.dataOffset <= m_present.lastBlock() && m_present.dataOffset <= m_planned.lastBlock();
    if (m_planned.dataOffset > m_present.dataOffset && overlaps && plannedData > presentData)
        return refused("Not a valid increase in offset");
    return true;
}

bool VirtualLogicalDrive::wasModified() const
{
    const Layout &a = m_planned, &b = m_present;
    return a.blockSize != b.blockSize || a.blocksPerDrive != b.blocksPerDrive || a.dataOffset != b.dataOffset ||
        a.faultToleranceDrives != b.faultToleranceDrives || a.stripeSize != b.stripeSize || a.size != b.size ||
        a.raid != b.raid || a.dataDrives != b.dataDrives;
}

void VirtualLogicalDrive::UpdateConfigBuffer(LOGICAL_DRIVE_CONFIG& config, const DriveSet& spares,
                                             unsigned physicalDrives) const
{
    const Layout& p = m_planned;
    unsigned code = 0;
    LogicalDrive::faultToleranceCode(p.raid, code);
    driveSetToBytes(p.dataDrives, config.pbBigDriveAssignmentMap);
    config.dwAssignedDriveBitmap = 0;
    driveSetToBytes(code == 0 ? DriveSet() : spares, config.pbBigSpareAssignmentMap);
    config.dwSpareAssignmentBitmap = 0;
    config.wAssignedDrives = static_cast<std::uint16_t>(p.dataDrives.count());
    config.wDistribution = p.stripeSize;
    config.dwDataOffset = static_cast<std::uint32_t>(p.dataOffset);
    config.wPhysicalDrives = static_cast<std::uint16_t>(physicalDrives);
    config.wDrivesConsumedForFaultTolerance = p.faultToleranceDrives;
    config.wFaultTolerance = static_cast<std::uint16_t>(code);
    const std::uint64_t cylinders = p.size / (std::uint64_t{p.heads} * p.sectors);
    if (cylinders <= MAX_CYLINDERS) {
        config.qwBigBlocksInLogicalDrive = 0;
        LogicalDrive::SetDriveParameterTable(config, p.heads, p.sectors, static_cast<unsigned>(cylinders));
    } else {
        config.qwBigBlocksInLogicalDrive = p.size;
        config.bLogicalDriveProperty = static_cast<std::uint8_t>(config.bLogicalDriveProperty | kBigDriveProperty);
        config.logicalDriveParamTable.wMaxCylinders = MAX_CYLINDERS;
        config.logicalDriveParamTable.wLandingZone = MAX_CYLINDERS;
    }
    LogicalDrive::Stamp(config);
}

} // namespace Operations
