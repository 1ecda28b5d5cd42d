#include "operations/writemigratelogicaldrive.h"

#include "operations/conversion.h"
#include "operations/createlogicaldrivecapability.h"
#include "operations/filtertransformationcapable.h"
#include "operations/settingcommands.h"
#include "operations/virtualarrayfactory.h"
#include "schema/schemaarray.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
using Conversion::SizeConvert;
using Schema::LogicalDrive;

constexpr std::uint64_t kLargestStripe = 0xFFFF;

const Schema::Array* arrayOf(const Core::Device& drive)
{
    return dynamic_cast<const Schema::Array*>(drive.hasParent() ? drive.pParent().get() : nullptr);
}

Core::CapabilityPtr closedClass(const char* name, const char* instanceType)
{
    return Core::CapabilityPtr(new Core::CapabilityClass(name, instanceType, ATTR_VALUE_CARDINALITY_SINGLE,
                                                         ATTR_VALUE_ACTION_ABSOLUTE, ATTR_VALUE_INSTANCE_RANGE_CLOSED));
}

Core::CapabilityPtr stripeClass(const Common::list<unsigned long long>& stripes, unsigned long long present)
{
    bool presentOffered = false;
    for (unsigned long long stripe : stripes)
        presentOffered = presentOffered || stripe == present;
    const unsigned long long preset = presentOffered ? present : defaultStripeSize(stripes);
    Core::CapabilityPtr choice = closedClass(Facts::ATTR_NAME_STRIPE_SIZE, ATTR_VALUE_INSTANCE_TYPE_BLOCK);
    for (unsigned long long stripe : stripes)
        choice->Subscribe(
            Core::CapabilityPtr(new Core::CapabilityInstance(stripe, stripe == preset, stripe == present)));
    return choice;
}

} // namespace

Core::FilterPtr WriteMigrateLogicalDrive::pFilterImpl() const
{
    return Core::FilterPtr(new FilterTransformationCapable());
}

Core::CapabilityPtr WriteMigrateLogicalDrive::getCapabilityPtr(const Core::DevicePtr& device)
{
    Core::CapabilityPtr root(new Core::Capability());
    const Schema::Array* array = device ? arrayOf(*device) : nullptr;
    if (array == nullptr || !array->hasParent())
        return root;
    const Core::Device& controller = *array->pParent();
    const Common::string present = device->getValueFor(Facts::ATTR_NAME_RAID);
    Common::list<unsigned long long> stripes;
    for (const Common::string& value : controllerCapabilityValues(controller, Facts::ATTR_NAME_STRIPE_SIZE))
        if (SizeConvert::strToBlock(value) != 0)
            stripes.push_back(SizeConvert::strToBlock(value));
    const unsigned long long presentStripe = SizeConvert::strToBlock(device->getValueFor(Facts::ATTR_NAME_STRIPE_SIZE));
    Core::CapabilityPtr levels = closedClass(Facts::ATTR_NAME_RAID, ATTR_VALUE_INSTANCE_TYPE_STRING);
    unsigned data = 0;
    for (const Common::string& level : controllerCapabilityValues(controller, Facts::ATTR_NAME_RAID)) {
        if (!LogicalDrive::isDriveCountValidFor(level, static_cast<unsigned>(array->dataDriveList().count()), data))
            continue;
        Core::CapabilityPtr choice(new Core::CapabilityInstance(level, level == present, level == present));
        choice->Subscribe(stripeClass(stripes, presentStripe));
        levels->Subscribe(choice);
    }
    root->Subscribe(levels);
    return root;
}

Core::OperationReturn WriteMigrateLogicalDrive::visit(LogicalDrive& drive)
{
    const Schema::Array* array = arrayOf(drive);
    const Common::string raid = hasArgument(Facts::ATTR_NAME_RAID) ? getArgValue(Facts::ATTR_NAME_RAID)
                                                                   : drive.getValueFor(Facts::ATTR_NAME_RAID);
    const std::uint64_t stripe = SizeConvert::strToBlock(hasArgument(Facts::ATTR_NAME_STRIPE_SIZE)
                                                             ? getArgValue(Facts::ATTR_NAME_STRIPE_SIZE)
                                                             : drive.getValueFor(Facts::ATTR_NAME_STRIPE_SIZE));
    unsigned data = 0;
    if (array == nullptr ||
        !LogicalDrive::isDriveCountValidFor(raid, static_cast<unsigned>(array->dataDriveList().count()), data))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_RAID);
    if (stripe == 0 || stripe > kLargestStripe)
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_STRIPE_SIZE);
    const unsigned number =
        static_cast<unsigned>(SizeConvert::strToBlock(drive.getValueFor(Facts::ATTR_NAME_DRIVE_NUMBER)));
    return VirtualArrayFactory::transform(drive.pParent(), [&](VirtualArray& plan) {
        return plan.Migrate(number, raid, static_cast<std::uint16_t>(stripe));
    });
}

} // namespace Operations
