#include "operations/virtualarrayfactory.h"

#include <cstdlib>
#include <map>

#include "operations/createlogicaldrivecapability.h"
#include "schema/schemaarray.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
namespace ArrayFacts = Interface::StorageMod::Array;
namespace ControllerFacts = Interface::StorageMod::ArrayController;
using Schema::LogicalDrive;

using Plans = std::map<const Core::Device*, Common::shared_ptr<VirtualArray>>;

Plans& plans()
{
    static Plans kept;
    return kept;
}

unsigned long long count(const Core::Device& device, const char* name)
{
    return std::strtoull(device.getValueFor(name).c_str(), nullptr, 10);
}

// Whether the controller offers `level`; if so, `stripe` is its default stripe size.
bool offered(const Core::Device& controller, const char* level, std::uint16_t& stripe)
{
    bool found = false;
    for (const Common::string& value : controllerCapabilityValues(controller, Facts::ATTR_NAME_RAID))
        found = found || value == level;
    Common::list<unsigned long long> stripes;
    for (const Common::string& value : controllerCapabilityValues(controller, Facts::ATTR_NAME_STRIPE_SIZE))
        if (std::strtoull(value.c_str(), nullptr, 10) != 0)
            stripes.push_back(std::strtoull(value.c_str(), nullptr, 10));
    stripe = static_cast<std::uint16_t>(defaultStripeSize(stripes));
    return found && stripe != 0;
}

VirtualLogicalDrive::Layout layoutOf(const Core::Device& drive, const VirtualLogicalDrive::DriveSet& members)
{
    VirtualLogicalDrive::Layout layout;
    layout.number = static_cast<std::uint16_t>(count(drive, Facts::ATTR_NAME_DRIVE_NUMBER));
    layout.heads = LogicalDrive::HEADS;
    layout.sectors = count(drive, Facts::ATTR_NAME_SECTORS) == LogicalDrive::SECTORS_32 ? LogicalDrive::SECTORS_32
                                                                                        : LogicalDrive::SECTORS_63;
    layout.blockSize = static_cast<std::uint16_t>(count(drive, Facts::ATTR_NAME_BLOCK_SIZE));
    layout.blocksPerDrive = count(drive, Facts::ATTR_NAME_BLOCKS_PER_DRIVE);
    layout.dataOffset = count(drive, Facts::ATTR_NAME_DATA_OFFSET);
    layout.faultToleranceDrives = static_cast<std::uint8_t>(count(drive, Facts::ATTR_NAME_DRIVES_FOR_FAULT_TOLERANCE));
    layout.stripeSize = static_cast<std::uint16_t>(count(drive, Facts::ATTR_NAME_STRIPE_SIZE));
    layout.size = count(drive, Facts::ATTR_NAME_USEABLE_BLOCKS);
    layout.raid = drive.getValueFor(Facts::ATTR_NAME_RAID);
    layout.dataDrives = members;
    return layout;
}

Common::shared_ptr<VirtualArray> build(const Core::DevicePtr& device)
{
    const Schema::Array* array = dynamic_cast<const Schema::Array*>(device.get());
    const Core::DevicePtr controller = array && array->hasParent() ? array->pParent() : Core::DevicePtr();
    if (!controller)
        return Common::shared_ptr<VirtualArray>();
    VirtualArray::Facts facts;
    facts.array = device;
    facts.members = array->dataDriveList();
    facts.spares = array->spareDriveList();
    facts.totalBlocksPerDrive = count(*array, ArrayFacts::ATTR_NAME_TOTAL_BLOCKS_PER_PHYSICAL_DRIVE);
    facts.reservedBlocksPerDrive = count(*array, ArrayFacts::ATTR_NAME_RIS_BLOCKS_PER_PHYSICAL_DRIVE);
    facts.physicalDriveCount =
        static_cast<unsigned>(count(*controller, ControllerFacts::ATTR_NAME_PHYSICAL_DRIVE_COUNT));
    facts.raid6Offered = offered(*controller, Facts::ATTR_VALUE_RAID_6, facts.raid6Stripe);
    facts.raid5Offered = offered(*controller, Facts::ATTR_VALUE_RAID_5, facts.raid5Stripe);
    std::vector<VirtualLogicalDrive> drives;
    for (auto child = array->beginChild(); child != array->endChild(); ++child)
        if ((*child)->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_LOGICAL_DRIVE)
            drives.emplace_back(layoutOf(**child, facts.members));
    return Common::shared_ptr<VirtualArray>(new VirtualArray(facts, std::move(drives)));
}

// A plan is the only holder of an array that has left the tree.
bool leftTree(const Core::DevicePtr& array) { return !array->hasParent() || *array.sharedCount() == 1; }

} // namespace

Common::shared_ptr<VirtualArray> VirtualArrayFactory::getVirtualArray(const Core::DevicePtr& array)
{
    for (auto plan = plans().begin(); plan != plans().end();)
        plan = leftTree(plan->second->array()) ? plans().erase(plan) : std::next(plan);
    if (!array)
        return Common::shared_ptr<VirtualArray>();
    auto kept = plans().find(array.get());
    if (kept != plans().end())
        return kept->second;
    Common::shared_ptr<VirtualArray> fresh = build(array);
    if (fresh)
        plans()[array.get()] = fresh;
    return fresh;
}

void VirtualArrayFactory::dispose(const Core::DevicePtr& array) { plans().erase(array.get()); }

Core::OperationReturn VirtualArrayFactory::transform(const Core::DevicePtr& array,
                                                     const std::function<bool(VirtualArray&)>& change)
{
    Common::shared_ptr<VirtualArray> plan = getVirtualArray(array);
    Core::OperationReturn result(ATTR_VALUE_STATUS_FAILURE);
    if (plan && change(*plan))
        result = plan->save();
    dispose(array);
    return result;
}

} // namespace Operations
