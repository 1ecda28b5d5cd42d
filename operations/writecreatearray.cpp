#include "operations/writecreatearray.h"

#include <cstdlib>

#include "core/devicefinder.h"
#include "operations/filtercreatearray.h"
#include "schema/configmod.h"
#include "schema/defaultreenumeratepredicate.h"
#include "schema/schemaarray.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

namespace Drive = Interface::StorageMod::PhysicalDrive;
using Interface::MORUMod::ATTR_NAME_TYPE;

Core::DevicePtr physicalDriveBelow(Core::Device& device, const Common::string& uniqueId)
{
    Core::DeviceFinder finder(device.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    finder.Add(Core::Attribute(Core::ModelTerms::ATTR_NAME_UNIQUE_ID, uniqueId));
    return finder.find(Core::DeviceFinder::DIRECTION_DOWN);
}

unsigned arraysBelow(const Core::Device& device)
{
    unsigned count = 0;
    for (auto child = device.beginChild(); child != device.endChild(); ++child)
        count += dynamic_cast<const Schema::Array*>(child->get()) != nullptr ? 1 : 0;
    return count;
}

Core::OperationReturn invalidDriveArgument()
{
    Core::OperationReturn result(Interface::MORUMod::ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    result.Receive(Core::Attribute(Interface::MORUMod::ATTR_NAME_ARGUMENT_NAME, Core::ModelTerms::ATTR_NAME_UNIQUE_ID));
    return result;
}

} // namespace

Common::string WriteCreateArray::nameImpl() const { return Interface::ConfigMod::OPERATION_WRITE_CREATE_ARRAY; }

Core::FilterPtr WriteCreateArray::pFilterImpl() const { return Core::FilterPtr(new FilterCreateArray()); }

Core::OperationReturn WriteCreateArray::visit(Schema::ArrayController& controller) { return create(controller); }

Core::OperationReturn WriteCreateArray::visit(Schema::StorageSystem& storageSystem) { return create(storageSystem); }

Core::OperationReturn WriteCreateArray::create(Core::Device& device)
{
    Core::DeviceList drives;
    for (auto argument = beginArgument(); argument != endArgument(); ++argument) {
        if (argument->second.first != Core::ModelTerms::ATTR_NAME_UNIQUE_ID)
            continue;
        const Common::string id = argument->second.second.toString();
        Core::DevicePtr drive = physicalDriveBelow(device, id);
        if (!drive)
            return invalidDriveArgument();
        drives.push_back(drive);
    }
    if (drives.empty())
        return Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_ARGUMENT_MISSING);
    Schema::Array::DriveSet data;
    for (const Core::DevicePtr& drive : drives) {
        drive->Receive(Core::Attribute(Drive::ATTR_NAME_DRIVE_TYPE, Drive::ATTR_VALUE_DRIVE_TYPE_DATA));
        const unsigned long index =
            std::strtoul(drive->getValueFor(Drive::ATTR_NAME_DEVICE_NUMBER).c_str(), nullptr, 10);
        if (drive->hasAttribute(Drive::ATTR_NAME_DEVICE_NUMBER) && index < data.size())
            data.set(index);
    }
    const unsigned number = arraysBelow(device);
    Core::DevicePtr array(new Schema::Array(static_cast<unsigned char>(number), Schema::Array::LogicalDriveSet(), data,
                                            Schema::Array::DriveSet(), Schema::Array::DriveSet(),
                                            Schema::Array::DriveSet()));
    PublishDevice(device, array);
    // Its drives give its size and free space at once: the create-logical-drive capability that
    // follows offers sizes from them.
    array->Refresh();
    Core::OperationReturnList ignored;
    array->RegisterWriteOperationsFor(Interface::StorageMod::DefaultReenumeratePredicate(array), ignored);
    Core::OperationReturn result;
    result.Receive(Core::Attribute(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER, number));
    return result;
}

} // namespace Operations
