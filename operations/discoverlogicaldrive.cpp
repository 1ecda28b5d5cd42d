#include "operations/discoverlogicaldrive.h"

#include "controller/logicaldriveiterator.h"
#include "core/devicefinder.h"
#include "operations/fieldtext.h"
#include "schema/controllerchannels.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::LogicalDrive;
using LogicalDriveHandles = DiscoverLogicalDrive::LogicalDriveHandles;

LogicalDriveHandles listHandles(const Schema::ControllerChannels& scope)
{
    LogicalDriveHandles listed;
    const LogicalDriveIterator drives(scope.handle());
    for (const ImgrHandle handle : drives)
        listed.push_back({handle, drives.getLogicalDriveNumber(handle), drives.isLogicalDriveInUse(handle),
                          printableText(drives.getDriveAccessName(handle))});
    return listed;
}

LogicalDriveHandles handlesOf(const Core::Device& scope, const Schema::ControllerChannels& channels)
{
    const Common::Any kept = scope.getPrivateValueFor(DiscoverLogicalDrive::LOGICAL_DRIVE_HANDLES);
    const LogicalDriveHandles* handles = kept.get<LogicalDriveHandles>();
    return handles != nullptr ? *handles : listHandles(channels);
}

} // namespace

void DiscoverLogicalDrive::RememberHandles(Core::Device& scope)
{
    if (const auto* channels = dynamic_cast<const Schema::ControllerChannels*>(&scope))
        scope.ReceivePrivateAttribute(
            Core::PrivateAttribute(LOGICAL_DRIVE_HANDLES, Common::Any(listHandles(*channels))));
}

Core::OperationReturn DiscoverLogicalDrive::visit(Schema::Array& array)
{
    const Core::DevicePtr scope = Core::storageSystemFinder(array.getDevicePtr());
    const auto* channels = dynamic_cast<const Schema::ControllerChannels*>(scope.get());
    if (channels == nullptr)
        return Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_FAILURE);

    for (const LogicalDriveHandle& listed : handlesOf(*scope, *channels)) {
        if (listed.number >= array.logicalDriveList().size() || !array.logicalDriveList().test(listed.number))
            continue;
        auto* drive = new Schema::LogicalDrive(listed.number, listed.handle);
        publishFact(*drive, Facts::ATTR_NAME_DRIVE_IN_USE_BY_OS,
                    listed.inUse ? Facts::ATTR_VALUE_DRIVE_IN_USE_BY_OS_TRUE
                                 : Facts::ATTR_VALUE_DRIVE_IN_USE_BY_OS_FALSE);
        publishFact(*drive, Facts::ATTR_NAME_DRIVE_ACCESS_NAME, listed.accessName);
        publishInto(array, drive);
    }
    return Core::OperationReturn();
}

} // namespace Operations
