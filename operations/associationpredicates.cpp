#include "operations/associationpredicates.h"

#include <cctype>
#include <iterator>

#include "core/devicefinder.h"
#include "operations/discoverarraycontroller.h"
#include "schema/devicescope.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

using namespace Interface::StorageMod;
using Interface::MORUMod::ATTR_NAME_TYPE;
using Interface::MORUMod::ATTR_VALUE_TYPE_LOGICAL_DRIVE;
using Interface::MORUMod::ATTR_VALUE_TYPE_STORAGE_SYSTEM;

template <class DeviceClass>
DeviceClass* as(const Core::DevicePtr& device)
{
    return dynamic_cast<DeviceClass*>(device.get());
}

bool hasDriveType(const Core::DevicePtr& device, const char* type)
{
    return device && device->getValueFor(ATTR_NAME_DRIVE_TYPE) == type;
}

// The storage system at or above a device, or null.
const Schema::StorageSystem* storageSystemOf(const Core::DevicePtr& device)
{
    Core::DeviceFinder finder(device);
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_STORAGE_SYSTEM));
    return as<Schema::StorageSystem>(finder.find(Core::DeviceFinder::DIRECTION_UP));
}

bool grants(const Schema::StorageSystem* system, const Core::DevicePtr& initiator, const Common::string* drive)
{
    if (system == nullptr || !initiator ||
        initiator->getValueFor(ATTR_NAME_TYPE) != Interface::MORUMod::ATTR_VALUE_TYPE_INITIATOR)
        return false;
    const Common::string id = initiator->getValueFor(ATTR_NAME_INITIATOR_ID);
    for (const Schema::StorageSystem::AclEntry& entry : system->aclEntryList())
        if (entry.second == id && (drive == nullptr || Schema::decimalText(entry.first) == *drive))
            return true;
    return false;
}

// The numbers in a text, in order ("5:2*-*7:3" gives 5, 2, 7, 3).
Common::list<unsigned> numbersIn(const Common::string& text)
{
    Common::list<unsigned> numbers;
    bool inNumber = false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            inNumber = false;
            continue;
        }
        if (!inNumber)
            numbers.push_back(0);
        inNumber = true;
        numbers.back() = numbers.back() * 10 + static_cast<unsigned>(c - '0');
    }
    return numbers;
}

} // namespace

ActiveSparePairs activeSparePairs(const Core::DevicePtr& scope)
{
    ActiveSparePairs pairs;
    if (!scope)
        return pairs;
    Core::DeviceFinder finder(scope);
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_LOGICAL_DRIVE));
    Core::DeviceList logicalDrives;
    finder.find(logicalDrives, Core::DeviceFinder::DIRECTION_DOWN);
    for (const Core::DevicePtr& logicalDrive : logicalDrives) {
        const Common::list<unsigned> numbers = numbersIn(logicalDrive->getValueFor(ATTR_NAME_ACTIVE_SPARE_FOR_LIST));
        for (auto number = numbers.begin(); number != numbers.end() && std::next(number) != numbers.end();
             std::advance(number, 2))
            pairs.insert({*number, *std::next(number)});
    }
    return pairs;
}

ArrayControllerUnassignedDrivePredicate::ArrayControllerUnassignedDrivePredicate()
    : Predicate(ASSOCIATION_UNASSIGNED_PHYSICAL_DRIVE, DIRECTION_ONE_WAY)
{
}

bool ArrayControllerUnassignedDrivePredicate::operator()(const Core::DevicePtr&, const Core::DevicePtr& candidate) const
{
    return as<Schema::PhysicalDrive>(candidate) != nullptr && hasDriveType(candidate, ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);
}

InitiatorWithAccessPredicate::InitiatorWithAccessPredicate()
    : Predicate(ASSOCIATION_INITIATOR_WITH_ACCESS, DIRECTION_ONE_WAY)
{
}

bool InitiatorWithAccessPredicate::operator()(const Core::DevicePtr& from, const Core::DevicePtr& candidate) const
{
    return grants(as<Schema::StorageSystem>(from), candidate, nullptr);
}

LunInitiatorWithAccessPredicate::LunInitiatorWithAccessPredicate()
    : Predicate(ASSOCIATION_INITIATOR_WITH_ACCESS, DIRECTION_ONE_WAY)
{
}

bool LunInitiatorWithAccessPredicate::operator()(const Core::DevicePtr& from, const Core::DevicePtr& candidate) const
{
    if (!from || from->getValueFor(ATTR_NAME_TYPE) != ATTR_VALUE_TYPE_LOGICAL_DRIVE)
        return false;
    const Common::string drive = from->getValueFor(ATTR_NAME_DRIVE_NUMBER);
    return grants(storageSystemOf(from), candidate, &drive);
}

PreferredPathPredicate::PreferredPathPredicate() : Predicate(ASSOCIATION_PREFERRED_PATH, DIRECTION_ONE_WAY) {}

bool PreferredPathPredicate::operator()(const Core::DevicePtr& from, const Core::DevicePtr& candidate) const
{
    if (as<Schema::ArrayController>(from) == nullptr || !candidate ||
        candidate->getValueFor(ATTR_NAME_TYPE) != ATTR_VALUE_TYPE_LOGICAL_DRIVE)
        return false;
    const Schema::StorageSystem* system = storageSystemOf(from);
    if (system == nullptr)
        return false;
    const Common::string mode = system->getValueFor(ATTR_NAME_REDUNDANCY_MODE);
    if (mode == ATTR_VALUE_REDUNDANCY_MODE_ACTIVE_STANDBY)
        return from->getValueFor(ATTR_NAME_REDUNDANT_STATE) == ATTR_VALUE_REDUNDANT_STATE_ACTIVE;
    if (mode == ATTR_VALUE_REDUNDANCY_MODE_ASYMMETRICAL_ACTIVE_ACTIVE)
        return candidate->hasAttribute(ATTR_NAME_IO_SLOT) &&
            candidate->getValueFor(ATTR_NAME_IO_SLOT) == from->getValueFor(ATTR_NAME_IO_SLOT);
    return false;
}

ArrayControllerToHostBusAdapterInterconnectPathPredicate::ArrayControllerToHostBusAdapterInterconnectPathPredicate()
    : Predicate(ASSOCIATION_INTERCONNECT_PATH, DIRECTION_TWO_WAY)
{
}

bool ArrayControllerToHostBusAdapterInterconnectPathPredicate::operator()(const Core::DevicePtr& from,
                                                                          const Core::DevicePtr& candidate) const
{
    const Schema::ArrayController* controller = as<Schema::ArrayController>(from);
    const Schema::StorageSystem* system = controller != nullptr ? storageSystemOf(from) : nullptr;
    if (system == nullptr || !candidate)
        return false;
    const Common::string adapter = candidate->toString();
    for (const Schema::StorageSystem::_STORAGE_SYSTEM_PATH& path : system->storageSystemPathList())
        if (path.hostBusAdapter == adapter && remoteLocationText(path) == controller->location())
            return true;
    return false;
}

} // namespace Operations
