#include "operations/virtualarray.h"

#include <algorithm>

#include "common/clog.h"
#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "operations/conversion.h"
#include "operations/readoperation.h"
#include "operations/replycache.h"
#include "schema/schemaarray.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace DriveFacts = Interface::StorageMod::LogicalDrive;
namespace ControllerFacts = Interface::StorageMod::ArrayController;
using Schema::LogicalDrive;

// Whether `first` ends before `start`, however large the numbers a controller reported.
bool endsBefore(const VirtualLogicalDrive::Layout& first, std::uint64_t start)
{
    return first.dataOffset <= start && first.blocksPerDrive <= start - first.dataOffset;
}

bool refused(const char* why)
{
    Common::Logger::Log("%s", why);
    return false;
}

} // namespace

VirtualArray::VirtualArray(const Facts& facts, std::vector<VirtualLogicalDrive> drives)
    : m_facts(facts), m_planned(facts.members), m_drives(std::move(drives))
{
    std::stable_sort(m_drives.begin(), m_drives.end(), [](const VirtualLogicalDrive& a, const VirtualLogicalDrive& b) {
        return a.present().dataOffset < b.present().dataOffset;
    });
}

VirtualLogicalDrive* VirtualArray::logicalDrive(unsigned number)
{
    auto found = std::find_if(m_drives.begin(), m_drives.end(),
                              [&](const VirtualLogicalDrive& drive) { return drive.number() == number; });
    return found == m_drives.end() ? nullptr : &*found;
}

void VirtualArray::Expand(const DriveSet& added)
{
    m_planned |= added;
    const unsigned n = static_cast<unsigned>(m_planned.count());
    for (VirtualLogicalDrive& drive : m_drives) {
        VirtualLogicalDrive::Layout& plan = drive.planned();
        plan.dataDrives = m_planned;
        if (plan.raid == DriveFacts::ATTR_VALUE_RAID_1 && n % 2 != 0) {
            // An odd number of drives cannot stay mirrored.
            if (n >= 4 && m_facts.raid6Offered) {
                plan.raid = DriveFacts::ATTR_VALUE_RAID_6;
                plan.stripeSize = m_facts.raid6Stripe;
            } else if (m_facts.raid5Offered) {
                plan.raid = DriveFacts::ATTR_VALUE_RAID_5;
                plan.stripeSize = m_facts.raid5Stripe;
            }
            if (plan.dataDriveCount() != 0)
                plan.faultToleranceDrives = static_cast<std::uint8_t>(n - plan.dataDriveCount());
        }
        drive.place(plan.dataDriveCount());
    }
    relayout();
}

bool VirtualArray::Extend(unsigned number, std::uint64_t size)
{
    VirtualLogicalDrive* drive = logicalDrive(number);
    if (drive == nullptr)
        return false;
    VirtualLogicalDrive::Layout& plan = drive->planned();
    const std::uint64_t cylinder = std::uint64_t{plan.heads} * plan.sectors;
    const bool belowBoot = (plan.sectors == LogicalDrive::SECTORS_32 && size < LogicalDrive::MAX_BOOT_BOUNDARY_32) ||
        (plan.sectors == LogicalDrive::SECTORS_63 && size < LogicalDrive::MAX_BOOT_BOUNDARY_63);
    plan.size = belowBoot && cylinder != 0 ? size / cylinder * cylinder : size;
    drive->place(plan.dataDriveCount());
    relayout();
    return true;
}

bool VirtualArray::Migrate(unsigned number, const Common::string& raid, std::uint16_t stripe)
{
    VirtualLogicalDrive* drive = logicalDrive(number);
    if (drive == nullptr)
        return false;
    VirtualLogicalDrive::Layout& plan = drive->planned();
    plan.raid = raid;
    plan.stripeSize = stripe;
    const unsigned data = plan.dataDriveCount();
    if (data != 0)
        plan.faultToleranceDrives = static_cast<std::uint8_t>(plan.dataDrives.count() - data);
    drive->place(data);
    relayout();
    return true;
}

void VirtualArray::relayout()
{
    std::uint64_t offset = 0;
    for (VirtualLogicalDrive& drive : m_drives) {
        drive.planned().dataOffset = offset;
        offset += drive.planned().blocksPerDrive;
    }
}

std::uint64_t VirtualArray::transformationCache()
{
    if (m_transformationCache)
        return *m_transformationCache;
    const Core::DevicePtr controller = m_facts.array->hasParent() ? m_facts.array->pParent() : Core::DevicePtr();
    auto* channel = dynamic_cast<BMICDevice*>(m_facts.array.get());
    if (!controller || channel == nullptr)
        return 0;
    SenseControllerCommand<SenseExpansionAbilityTrait> sense;
    Core::OperationReturn result;
    if (!executeCommand(sense, *channel, result) || !result)
        return 0;
    m_transformationCache =
        std::uint64_t{sense.result().dwExpansionMemorySize} * Conversion::SizeConvert::BLOCKS_PER_MB;
    publishReading(*controller, ControllerFacts::ATTR_NAME_TRANSFORMATION_CACHE_SIZE,
                   static_cast<unsigned long long>(*m_transformationCache));
    return *m_transformationCache;
}

bool VirtualArray::isValid()
{
    if (m_drives.empty())
        return refused("Array has no logical drive");
    const bool stripeChanges = std::any_of(m_drives.begin(), m_drives.end(),
                                           [](const VirtualLogicalDrive& drive) { return drive.stripeChanges(); });
    const std::uint64_t cache = stripeChanges ? transformationCache() : 0;
    for (const VirtualLogicalDrive& drive : m_drives)
        if (!drive.isValid(cache))
            return refused("Logical drive is not valid");
    const std::uint64_t usable = m_facts.totalBlocksPerDrive > m_facts.reservedBlocksPerDrive
        ? m_facts.totalBlocksPerDrive - m_facts.reservedBlocksPerDrive
        : 0;
    // Every drive, not only the last: a size absurd enough to wrap the running offset around
    // must not slip through.
    for (const VirtualLogicalDrive& drive : m_drives)
        if (!endsBefore(drive.planned(), usable))
            return refused("Logical drives do not fit on array");
    return true;
}

bool VirtualArray::mayGo(const std::vector<VirtualLogicalDrive>& drives, std::size_t candidate) const
{
    const VirtualLogicalDrive::Layout& plan = drives[candidate].planned();
    if (candidate > 0 && !endsBefore(drives[candidate - 1].present(), plan.dataOffset))
        return false;
    return candidate + 1 >= drives.size() || endsBefore(plan, drives[candidate + 1].present().dataOffset);
}

std::vector<unsigned> VirtualArray::scheduledLogicalDrives() const
{
    // Worked on a copy: a drive once scheduled counts as lying where the plan puts it.
    std::vector<VirtualLogicalDrive> drives = m_drives;
    std::vector<std::size_t> pending;
    std::vector<unsigned> schedule;
    for (std::size_t i = 0; i < drives.size(); ++i)
        if (drives[i].wasModified())
            pending.push_back(i);
    while (!pending.empty()) {
        auto next = std::find_if(pending.begin(), pending.end(), [&](std::size_t i) { return mayGo(drives, i); });
        if (next == pending.end())
            return {};
        schedule.push_back(drives[*next].number());
        drives[*next].settle();
        pending.erase(next);
    }
    return schedule;
}

Core::OperationReturn VirtualArray::rewrite(const VirtualLogicalDrive& drive)
{
    auto* channel = dynamic_cast<BMICDevice*>(m_facts.array.get());
    Core::OperationReturn result;
    SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> sense(drive.number());
    if (!executeCommand(sense, *channel, result) || !result)
        return result;
    // A record the controller no longer holds is not brought back by a transformation.
    if (sense.result().wAssignedDrives == 0)
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    LOGICAL_DRIVE_CONFIG config = sense.result();
    drive.UpdateConfigBuffer(config, m_facts.spares, m_facts.physicalDriveCount);
    SetLogicalDriveCommand<ChangeLogicalDriveConfigurationTrait> change(drive.number(), config);
    executeWriteCommand(change, *channel, result);
    return result;
}

Core::OperationReturn VirtualArray::save()
{
    if (dynamic_cast<Schema::Array*>(m_facts.array.get()) == nullptr || !isValid())
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    const std::vector<unsigned> schedule = scheduledLogicalDrives();
    const bool changed = std::any_of(m_drives.begin(), m_drives.end(),
                                     [](const VirtualLogicalDrive& drive) { return drive.wasModified(); });
    if (changed && schedule.empty()) {
        refused("Logical drives cannot be moved without overwriting data");
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    }
    Core::OperationReturn result;
    for (unsigned number : schedule) {
        result = rewrite(*logicalDrive(number));
        if (!result)
            break;
    }
    return result;
}

} // namespace Operations
