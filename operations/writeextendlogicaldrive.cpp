#include "operations/writeextendlogicaldrive.h"

#include "operations/conversion.h"
#include "operations/filtertransformationcapable.h"
#include "operations/readcontrollerfacts.h"
#include "operations/settingcommands.h"
#include "operations/virtualarrayfactory.h"
#include "schema/schemaarray.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
namespace ArrayFacts = Interface::StorageMod::Array;
using Conversion::SizeConvert;
using Schema::LogicalDrive;

std::uint64_t count(const Core::Device& device, const char* name)
{
    return SizeConvert::strToBlock(device.getValueFor(name));
}

// The largest size the drive may grow to: its own share of each drive and the free space of
// its array together; 0 when it does not sit in an array.
std::uint64_t largestSize(const LogicalDrive& drive)
{
    const Schema::Array* array =
        dynamic_cast<const Schema::Array*>(drive.hasParent() ? drive.pParent().get() : nullptr);
    if (array == nullptr)
        return 0;
    const unsigned members = static_cast<unsigned>(array->dataDriveList().count());
    unsigned data = 0;
    if (!LogicalDrive::isDriveCountValidFor(drive.getValueFor(Facts::ATTR_NAME_RAID), members, data))
        return 0;
    const std::uint64_t blocks =
        count(drive, Facts::ATTR_NAME_BLOCKS_PER_DRIVE) * members + count(*array, ArrayFacts::ATTR_NAME_FREE_BLOCKS);
    const unsigned sectors = count(drive, Facts::ATTR_NAME_SECTORS) == LogicalDrive::SECTORS_32
        ? LogicalDrive::SECTORS_32
        : LogicalDrive::SECTORS_63;
    unsigned long long largest = 0;
    LogicalDrive::MaxUserSize(supportsOver2TB(*array), true, blocks, sectors,
                              LogicalDrive::maxStripeAlignment(*array, count(drive, Facts::ATTR_NAME_STRIPE_SIZE)),
                              members, data, largest, false);
    return largest;
}

} // namespace

Core::FilterPtr WriteExtendLogicalDrive::pFilterImpl() const
{
    return Core::FilterPtr(new FilterTransformationCapable());
}

Core::CapabilityPtr WriteExtendLogicalDrive::getCapabilityPtr(const Core::DevicePtr& device)
{
    Core::CapabilityPtr root(new Core::Capability());
    const LogicalDrive* drive = dynamic_cast<const LogicalDrive*>(device.get());
    const std::uint64_t present = drive ? count(*drive, Facts::ATTR_NAME_USEABLE_BLOCKS) : 0;
    const std::uint64_t largest = drive ? largestSize(*drive) : 0;
    if (largest <= present)
        return root;
    Core::CapabilityPtr range(new Core::CapabilityClass(Facts::ATTR_NAME_USEABLE_BLOCKS, ATTR_VALUE_INSTANCE_TYPE_BLOCK,
                                                        ATTR_VALUE_CARDINALITY_SINGLE, ATTR_VALUE_ACTION_ABSOLUTE,
                                                        ATTR_VALUE_INSTANCE_RANGE_OPEN));
    range->Receive(Core::Attribute(ATTR_NAME_MINIMUM_VALUE, static_cast<unsigned long long>(present)));
    range->Receive(Core::Attribute(ATTR_NAME_MAXIMUM_VALUE, static_cast<unsigned long long>(largest)));
    range->Subscribe(Core::CapabilityPtr(new Core::CapabilityInstance(static_cast<unsigned long long>(largest), true)));
    root->Subscribe(range);
    return root;
}

Core::OperationReturn WriteExtendLogicalDrive::visit(LogicalDrive& drive)
{
    setDefaultArguments(drive.getDevicePtr());
    if (!hasArgument(Facts::ATTR_NAME_USEABLE_BLOCKS))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, Facts::ATTR_NAME_USEABLE_BLOCKS);
    const std::uint64_t size = SizeConvert::strToBlock(getArgValue(Facts::ATTR_NAME_USEABLE_BLOCKS));
    if (size < count(drive, Facts::ATTR_NAME_USEABLE_BLOCKS) || !drive.hasParent())
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_USEABLE_BLOCKS);
    const unsigned number = static_cast<unsigned>(count(drive, Facts::ATTR_NAME_DRIVE_NUMBER));
    return VirtualArrayFactory::transform(drive.pParent(),
                                          [&](VirtualArray& plan) { return plan.Extend(number, size); });
}

} // namespace Operations
