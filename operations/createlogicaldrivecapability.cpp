#include "operations/createlogicaldrivecapability.h"

#include <cstdlib>

#include "core/capabilityfinder.h"
#include "operations/readcontrollerfacts.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
namespace ControllerFacts = Interface::StorageMod::ArrayController;
namespace ArrayFacts = Interface::StorageMod::Array;
using Schema::LogicalDrive;

constexpr unsigned long long kDefaultStripe = 128;
const char* const kLevelPreference[] = {Facts::ATTR_VALUE_RAID_5, Facts::ATTR_VALUE_RAID_1, Facts::ATTR_VALUE_RAID_0};

unsigned long long number(const Common::string& text) { return std::strtoull(text.c_str(), nullptr, 10); }

} // namespace

Common::list<Common::string> controllerCapabilityValues(const Core::Device& controller, const char* name)
{
    Common::list<Common::string> values;
    const Common::string reader = controller.getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_STORAGE_SYSTEM
        ? Interface::StorageMod::OPERATION_READ_STORAGE_SYSTEM_INFO
        : Interface::StorageMod::OPERATION_READ_ARRAY_CONTROLLER_INFO;
    const Core::DeviceOperationPtr op = controller.getOperation(reader);
    const Core::CapabilityPtr root = op ? op->getCapabilityPtr(controller.getDevicePtr()) : Core::CapabilityPtr();
    if (!root)
        return values;
    Core::CapabilityFinder finder(root);
    finder.Add(Core::Attribute(ATTR_NAME_ATTRIBUTE_NAME, name));
    const Core::CapabilityPtr found = finder.find();
    for (auto instance = found ? found->beginChild() : root->endChild(); found && instance != found->endChild();
         ++instance)
        values.push_back((*instance)->getValueFor(ATTR_NAME_CAPABILITY_INSTANCE));
    return values;
}

unsigned long long defaultStripeSize(const Common::list<unsigned long long>& stripes)
{
    unsigned long long preset = 0;
    for (unsigned long long stripe : stripes)
        preset = preset == kDefaultStripe ? preset : stripe;
    return preset;
}

namespace {

Core::CapabilityPtr closedClass(const char* name, const char* instanceType)
{
    return Core::CapabilityPtr(new Core::CapabilityClass(name, instanceType, ATTR_VALUE_CARDINALITY_SINGLE,
                                                         ATTR_VALUE_ACTION_ABSOLUTE, ATTR_VALUE_INSTANCE_RANGE_CLOSED));
}

Core::CapabilityPtr instance(const Core::AttributeValue& value, bool isDefault)
{
    return Core::CapabilityPtr(new Core::CapabilityInstance(value, isDefault));
}

// Everything the offer depends on, read once per tree.
struct Offer {
    const Schema::Array& array;
    unsigned driveCount;
    unsigned long long freeBlocks;
    bool over2TB;
    bool safeLimitKnown;
    unsigned long long safeLimit;
};

Core::CapabilityPtr sizeClass(const Offer& offer, unsigned long long stripe, unsigned sectors, unsigned dataDrives)
{
    unsigned long long maximum = 0;
    LogicalDrive::MaxUserSize(offer.over2TB, true, offer.freeBlocks, sectors,
                              LogicalDrive::maxStripeAlignment(offer.array, stripe), offer.driveCount, dataDrives,
                              maximum, false);
    const unsigned long long minimum = minimumLogicalDriveBlocks(sectors);
    if (maximum < minimum)
        return Core::CapabilityPtr();
    Core::CapabilityPtr range(new Core::CapabilityClass(Facts::ATTR_NAME_USEABLE_BLOCKS, ATTR_VALUE_INSTANCE_TYPE_BLOCK,
                                                        ATTR_VALUE_CARDINALITY_SINGLE, ATTR_VALUE_ACTION_ABSOLUTE,
                                                        ATTR_VALUE_INSTANCE_RANGE_OPEN));
    range->Receive(Core::Attribute(ATTR_NAME_MINIMUM_VALUE, minimum));
    range->Receive(Core::Attribute(ATTR_NAME_MAXIMUM_VALUE, maximum));
    range->Subscribe(instance(maximum, true));
    return range;
}

Core::CapabilityPtr sectorsClass(const Offer& offer, unsigned long long stripe, unsigned dataDrives)
{
    Core::CapabilityPtr sectorsChoice = closedClass(Facts::ATTR_NAME_SECTORS, ATTR_VALUE_INSTANCE_TYPE_NUMERIC);
    for (unsigned sectors : {LogicalDrive::SECTORS_32, LogicalDrive::SECTORS_63}) {
        Core::CapabilityPtr choice = instance(sectors, sectors == LogicalDrive::SECTORS_63);
        if (Core::CapabilityPtr sizes = sizeClass(offer, stripe, sectors, dataDrives))
            choice->Subscribe(sizes);
        sectorsChoice->Subscribe(choice);
    }
    return sectorsChoice;
}

bool stripeIsSafe(const Offer& offer, const Common::string& level, unsigned long long stripe)
{
    if (!offer.safeLimitKnown || level == Facts::ATTR_VALUE_RAID_0 || level == Facts::ATTR_VALUE_RAID_1)
        return true;
    return stripe * offer.driveCount <= offer.safeLimit;
}

Core::CapabilityPtr stripeClass(const Offer& offer, const Common::list<Common::string>& stripes,
                                const Common::string& level, unsigned dataDrives)
{
    Common::list<unsigned long long> offered;
    for (const Common::string& text : stripes)
        if (number(text) != 0 && stripeIsSafe(offer, level, number(text)))
            offered.push_back(number(text));
    const unsigned long long preset = defaultStripeSize(offered);
    Core::CapabilityPtr stripeChoice = closedClass(Facts::ATTR_NAME_STRIPE_SIZE, ATTR_VALUE_INSTANCE_TYPE_BLOCK);
    for (unsigned long long stripe : offered) {
        Core::CapabilityPtr choice = instance(stripe, stripe == preset);
        choice->Subscribe(sectorsClass(offer, stripe, dataDrives));
        stripeChoice->Subscribe(choice);
    }
    return stripeChoice;
}

Common::string defaultLevel(const Common::list<Common::string>& offered)
{
    for (const char* level : kLevelPreference)
        for (const Common::string& candidate : offered)
            if (candidate == level)
                return candidate;
    return Common::string();
}

Core::CapabilityPtr raidClass(const Offer& offer, const Core::Device& controller)
{
    Common::list<Common::string> levels;
    unsigned dataDrives = 0;
    for (const Common::string& level : controllerCapabilityValues(controller, Facts::ATTR_NAME_RAID))
        if (LogicalDrive::isDriveCountValidFor(level, offer.driveCount, dataDrives))
            levels.push_back(level);
    const Common::list<Common::string> stripes = controllerCapabilityValues(controller, Facts::ATTR_NAME_STRIPE_SIZE);
    const Common::string preset = defaultLevel(levels);
    Core::CapabilityPtr raidChoice = closedClass(Facts::ATTR_NAME_RAID, ATTR_VALUE_INSTANCE_TYPE_STRING);
    for (const Common::string& level : levels) {
        LogicalDrive::isDriveCountValidFor(level, offer.driveCount, dataDrives);
        Core::CapabilityPtr choice = instance(level, level == preset);
        choice->Subscribe(stripeClass(offer, stripes, level, dataDrives));
        raidChoice->Subscribe(choice);
    }
    return raidChoice;
}

bool acceleratorOffered(const Core::Device& controller)
{
    return controller.getValueFor(ControllerFacts::ATTR_NAME_CACHE_BOARD_PRESENT) ==
        ControllerFacts::ATTR_VALUE_CACHE_BOARD_PRESENT_TRUE &&
        controller.getValueFor(ControllerFacts::ATTR_NAME_CACHE_STATE) !=
        ControllerFacts::ATTR_VALUE_CACHE_STATE_DISABLED_BATTERY_WAS_HOT_REMOVED;
}

Core::CapabilityPtr acceleratorClass()
{
    Core::CapabilityPtr choice = closedClass(Facts::ATTR_NAME_ARRAY_ACCELERATOR, ATTR_VALUE_INSTANCE_TYPE_STRING);
    choice->Subscribe(instance(Facts::ATTR_VALUE_ARRAY_ACCELERATOR_ENABLED, true));
    choice->Subscribe(instance(Facts::ATTR_VALUE_ARRAY_ACCELERATOR_DISABLED, false));
    return choice;
}

} // namespace

unsigned long long minimumLogicalDriveBlocks(unsigned sectors)
{
    return sectors == LogicalDrive::SECTORS_32 ? 32640 : 32130;
}

Core::CapabilityPtr createLogicalDriveCapability(const Schema::Array& array)
{
    Core::CapabilityPtr root(new Core::Capability());
    const Core::DevicePtr controller = array.hasParent() ? array.pParent() : Core::DevicePtr();
    if (!controller)
        return root;
    const Common::Any limit = controller->getPrivateValueFor(ControllerFacts::ATTR_NAME_MAX_SAFE_FULL_STRIPE_SIZE);
    const unsigned long long* safeLimit = limit.get<unsigned long long>();
    const Offer offer{array,
                      static_cast<unsigned>(array.dataDriveList().count()),
                      number(array.getValueFor(ArrayFacts::ATTR_NAME_FREE_BLOCKS)),
                      supportsOver2TB(array),
                      safeLimit != nullptr,
                      safeLimit != nullptr ? *safeLimit : 0};
    root->Subscribe(raidClass(offer, *controller));
    if (acceleratorOffered(*controller))
        root->Subscribe(acceleratorClass());
    return root;
}

} // namespace Operations
