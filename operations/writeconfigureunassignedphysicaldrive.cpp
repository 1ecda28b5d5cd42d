#include "operations/writeconfigureunassignedphysicaldrive.h"

#include <algorithm>
#include <cstdlib>

#include "operations/filtercreatearray.h"
#include "operations/writeconfigureunusedspace.h"
#include "operations/writecreatearray.h"
#include "operations/writedeletearray.h"
#include "schema/schemaarray.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
namespace Drive = Interface::StorageMod::PhysicalDrive;

unsigned long long number(const Core::Device& device, const char* name)
{
    return std::strtoull(device.getValueFor(name).c_str(), nullptr, 10);
}

void setArgument(Core::DeviceOperation& op, const char* name, const Common::string& value)
{
    op.SetArgument({Core::DeviceOperation::ACTION_SET, Core::Attribute(name, value)});
}

Core::DevicePtr arrayNumbered(const Core::Device& device, const Common::string& arrayNumber)
{
    for (auto child = device.beginChild(); child != device.endChild(); ++child)
        if (dynamic_cast<const Schema::Array*>(child->get()) != nullptr &&
            (*child)->getValueFor(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER) == arrayNumber)
            return *child;
    return Core::DevicePtr();
}

// Makes the array of `drives` below `device` through create-array.
Core::DevicePtr createArray(Core::Device& device, const Core::DeviceList& drives, Core::OperationReturn& result)
{
    Core::DeviceOperationPtr create(new WriteCreateArray());
    for (const Core::DevicePtr& drive : drives)
        setArgument(*create, ATTR_NAME_UNIQUE_ID, drive->getValueFor(ATTR_NAME_UNIQUE_ID));
    result = device.perform(create);
    return result ? arrayNumbered(device, result.getValueFor(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER))
                  : Core::DevicePtr();
}

void makeSpare(Schema::Array& array, const Core::Device& drive)
{
    Schema::Array::DriveSet spares;
    const unsigned long long index = number(drive, Drive::ATTR_NAME_DEVICE_NUMBER);
    if (drive.hasAttribute(Drive::ATTR_NAME_DEVICE_NUMBER) && index < spares.size())
        spares.set(index);
    array.SpareDriveListIs(spares);
}

} // namespace

Core::FilterPtr WriteConfigureUnassignedPhysicalDrive::pFilterImpl() const
{
    return Core::FilterPtr(new FilterCreateArray());
}

Core::OperationReturn WriteConfigureUnassignedPhysicalDrive::visit(Schema::ArrayController& controller)
{
    return configure(controller);
}

Core::OperationReturn WriteConfigureUnassignedPhysicalDrive::visit(Schema::StorageSystem& storageSystem)
{
    return configure(storageSystem);
}

Core::OperationReturn WriteConfigureUnassignedPhysicalDrive::checkLevel(const Common::string& level,
                                                                        unsigned driveCount)
{
    unsigned code = 0, dataDrives = 0;
    if (Schema::LogicalDrive::faultToleranceCode(level, code) &&
        Schema::LogicalDrive::isDriveCountValidFor(level, driveCount, dataDrives))
        return Core::OperationReturn();
    Core::OperationReturn refused(ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    refused.Receive(Core::Attribute(ATTR_NAME_ARGUMENT_NAME, Facts::ATTR_NAME_RAID));
    return refused;
}

Core::OperationReturn WriteConfigureUnassignedPhysicalDrive::makePlan(const Core::Device& device, Plan& plan) const
{
    if (!hasArgument(Facts::ATTR_NAME_RAID)) {
        Core::OperationReturn missing(ATTR_VALUE_STATUS_ARGUMENT_MISSING);
        missing.Receive(Core::Attribute(ATTR_NAME_ARGUMENT_NAME, Facts::ATTR_NAME_RAID));
        return missing;
    }
    const Common::string level = getArgValue(Facts::ATTR_NAME_RAID);
    plan.data = unassignedDrives(device);
    if (plan.data.empty())
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    unsigned code = 0;
    const bool faultTolerant = Schema::LogicalDrive::faultToleranceCode(level, code) && code != 0;
    if (faultTolerant &&
        getArgValue(Interface::ConfigMod::ATTR_NAME_ASSIGN_SPARE) ==
            Interface::ConfigMod::ATTR_VALUE_ASSIGN_SPARE_TRUE) {
        // The largest drive can stand in for any of the others.
        auto largest = std::max_element(plan.data.begin(), plan.data.end(), [](const auto& a, const auto& b) {
            return number(*a, Drive::ATTR_NAME_TOTAL_BLOCKS) < number(*b, Drive::ATTR_NAME_TOTAL_BLOCKS);
        });
        plan.spare = *largest;
        plan.data.erase(largest);
    }
    return checkLevel(level, static_cast<unsigned>(plan.data.size()));
}

Core::OperationReturn WriteConfigureUnassignedPhysicalDrive::configure(Core::Device& device)
{
    Plan plan;
    Core::OperationReturn result = makePlan(device, plan);
    if (!result)
        return result;
    const Core::DevicePtr array = createArray(device, plan.data, result);
    if (!array)
        return result ? Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE) : result;
    if (plan.spare)
        makeSpare(dynamic_cast<Schema::Array&>(*array), *plan.spare);
    Core::DeviceOperationPtr fill(new WriteConfigureUnusedSpace());
    setArgument(*fill, Facts::ATTR_NAME_RAID, getArgValue(Facts::ATTR_NAME_RAID));
    const Common::string arrayNumber = array->getValueFor(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER);
    result = array->perform(fill);
    if (!result)
        array->perform(Core::DeviceOperationPtr(new WriteDeleteArray()));
    else
        result.Receive(Core::Attribute(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER, arrayNumber));
    return result;
}

} // namespace Operations
