#include "operations/writeexpandarray.h"

#include <cstdlib>

#include "core/devicefinder.h"
#include "operations/filtertransformationcapable.h"
#include "operations/readcontrollerfacts.h"
#include "operations/settingcommands.h"
#include "operations/virtualarrayfactory.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Drive = Interface::StorageMod::PhysicalDrive;
namespace ArrayFacts = Interface::StorageMod::Array;
using Core::ModelTerms::ATTR_NAME_UNIQUE_ID;

unsigned long long count(const Core::Device& device, const char* name)
{
    return std::strtoull(device.getValueFor(name).c_str(), nullptr, 10);
}

Core::DevicePtr controllerOf(const Core::Device& array)
{
    return array.hasParent() ? array.pParent() : Core::DevicePtr();
}

Core::DeviceList physicalDrivesBelow(const Core::DevicePtr& controller)
{
    Core::DeviceList drives;
    if (!controller)
        return drives;
    Core::DeviceFinder finder(controller);
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    finder.find(drives, Core::DeviceFinder::DIRECTION_DOWN);
    return drives;
}

bool isUnassigned(const Core::Device& drive)
{
    return drive.getValueFor(Drive::ATTR_NAME_DRIVE_TYPE) == Drive::ATTR_VALUE_DRIVE_TYPE_UNASSIGNED;
}

// An unassigned drive the array can take: of its interface and no smaller than its drives.
bool fits(const Core::Device& drive, const Schema::Array& array)
{
    return isUnassigned(drive) &&
        drive.getValueFor(Drive::ATTR_NAME_INTERFACE) == array.getValueFor(ArrayFacts::ATTR_NAME_INTERFACE) &&
        count(drive, Drive::ATTR_NAME_TOTAL_BLOCKS) >=
        count(array, ArrayFacts::ATTR_NAME_TOTAL_BLOCKS_PER_PHYSICAL_DRIVE);
}

} // namespace

Core::FilterPtr WriteExpandArray::pFilterImpl() const { return Core::FilterPtr(new FilterTransformationCapable()); }

Core::CapabilityPtr WriteExpandArray::getCapabilityPtr(const Core::DevicePtr& device)
{
    Core::CapabilityPtr root(new Core::Capability());
    const Schema::Array* array = dynamic_cast<const Schema::Array*>(device.get());
    const Core::DevicePtr controller = array ? controllerOf(*array) : Core::DevicePtr();
    if (!controller)
        return root;
    Core::CapabilityPtr drives(new Core::CapabilityClass(ATTR_NAME_UNIQUE_ID, ATTR_VALUE_INSTANCE_TYPE_DEVICE,
                                                         ATTR_VALUE_CARDINALITY_MULTIPLE, ATTR_VALUE_ACTION_ABSOLUTE,
                                                         ATTR_VALUE_INSTANCE_RANGE_CLOSED));
    const Common::Any limit = controller->getPrivateValueFor(PRIVATE_MAX_DRIVES_PER_LOGICAL_DRIVE);
    const unsigned* maximum = limit.get<unsigned>();
    const unsigned members = static_cast<unsigned>(array->dataDriveList().count());
    if (maximum != nullptr)
        drives->Receive(
            Core::Attribute(ATTR_NAME_CARDINALITY_MULTIPLE_MAXIMUM, *maximum > members ? *maximum - members : 0));
    for (const Core::DevicePtr& drive : physicalDrivesBelow(controller))
        if (fits(*drive, *array))
            drives->Subscribe(
                Core::CapabilityPtr(new Core::CapabilityInstance(drive->getValueFor(ATTR_NAME_UNIQUE_ID))));
    root->Subscribe(drives);
    return root;
}

Core::OperationReturn WriteExpandArray::addedDrives(const Schema::Array& array, Schema::Array::DriveSet& added) const
{
    const Core::DeviceList drives = physicalDrivesBelow(controllerOf(array));
    for (auto argument = beginArgument(); argument != endArgument(); ++argument) {
        if (argument->second.first != ATTR_NAME_UNIQUE_ID)
            continue;
        const Common::string id = argument->second.second.toString();
        Core::DevicePtr found;
        for (const Core::DevicePtr& drive : drives)
            found = drive->getValueFor(ATTR_NAME_UNIQUE_ID) == id ? drive : found;
        const unsigned long long index = found ? count(*found, Drive::ATTR_NAME_DEVICE_NUMBER) : added.size();
        if (!found || !isUnassigned(*found) || !found->hasAttribute(Drive::ATTR_NAME_DEVICE_NUMBER) ||
            index >= added.size() || array.dataDriveList().test(index))
            return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, ATTR_NAME_UNIQUE_ID);
        added.set(index);
    }
    return added.any() ? Core::OperationReturn()
                       : argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, ATTR_NAME_UNIQUE_ID);
}

Core::OperationReturn WriteExpandArray::visit(Schema::Array& array)
{
    Schema::Array::DriveSet added;
    const Core::OperationReturn result = addedDrives(array, added);
    if (!result)
        return result;
    return VirtualArrayFactory::transform(array.getDevicePtr(), [&](VirtualArray& plan) {
        plan.Expand(added);
        return true;
    });
}

} // namespace Operations
