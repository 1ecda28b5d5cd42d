#include "operations/writeautoconfigurestorage.h"

#include "operations/filtercreatearray.h"
#include "operations/filtercreatelogicaldrive.h"
#include "operations/writeconfigureunassignedphysicaldrive.h"
#include "operations/writeconfigureunusedspace.h"
#include "operations/writestoragereenumerate.h"
#include "schema/schemaarray.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::LogicalDrive;

// The arrays below `device` with room for a logical drive.
Core::DeviceList arraysWithRoom(const Core::Device& device)
{
    const FilterCreateLogicalDrive room;
    Core::DeviceList arrays;
    for (auto child = device.beginChild(); child != device.endChild(); ++child)
        if (dynamic_cast<const Schema::Array*>(child->get()) != nullptr && room.apply(*child))
            arrays.push_back(*child);
    return arrays;
}

bool reread(Core::Device& device)
{
    for (const Core::OperationReturn& step :
         WriteStorageReenumerate::rebuild(device.getDevicePtr(), Interface::StorageMod::OPERATION_DISCOVER_ARRAYS))
        if (!step)
            return false;
    return true;
}

} // namespace

Core::FilterPtr WriteAutoConfigureStorage::pFilterImpl() const { return Core::FilterPtr(new FilterCreateArray()); }

Core::OperationReturn WriteAutoConfigureStorage::visit(Schema::ArrayController& controller)
{
    return configure(controller);
}

Core::OperationReturn WriteAutoConfigureStorage::visit(Schema::StorageSystem& storageSystem)
{
    return configure(storageSystem);
}

Core::OperationReturn WriteAutoConfigureStorage::configure(Core::Device& device)
{
    const Common::string level = getArgValue(Facts::ATTR_NAME_RAID);
    for (const Core::DevicePtr& array : arraysWithRoom(device)) {
        const auto& drives = dynamic_cast<const Schema::Array&>(*array).dataDriveList();
        const Core::OperationReturn fits =
            WriteConfigureUnassignedPhysicalDrive::checkLevel(level, static_cast<unsigned>(drives.count()));
        if (!fits)
            return fits;
    }
    Core::DeviceOperationPtr unassigned(new WriteConfigureUnassignedPhysicalDrive());
    for (auto argument = beginArgument(); argument != endArgument(); ++argument)
        unassigned->SetArgument(*argument);
    Core::OperationReturn result = device.perform(unassigned);
    if (!result)
        return result;
    if (!reread(device))
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    for (const Core::DevicePtr& array : arraysWithRoom(device)) {
        Core::DeviceOperationPtr fill(new WriteConfigureUnusedSpace());
        fill->SetArgument({ACTION_SET, Core::Attribute(Facts::ATTR_NAME_RAID, level)});
        result = array->perform(fill);
        if (!result)
            return result;
        if (!reread(device))
            return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    }
    return result;
}

} // namespace Operations
