#include "operations/discoverphysicaldrive.h"

#include "core/devicefinder.h"
#include "operations/discovertapedrive.h"
#include "operations/drivecandidates.h"
#include "operations/localcontrollerfilter.h"
#include "operations/replycache.h"
#include "schema/schemaphysicaldrive.h"

namespace Operations {

namespace {

namespace Facts = Interface::StorageMod::PhysicalDrive;

// The ATTR_VALUE_DRIVE_TYPE_... of a drive index.
const char* driveType(unsigned index, const DriveSet& data, const DriveSet& spare)
{
    if (data.test(index))
        return Facts::ATTR_VALUE_DRIVE_TYPE_DATA;
    if (spare.test(index))
        return Facts::ATTR_VALUE_DRIVE_TYPE_SPARE;
    return Facts::ATTR_VALUE_DRIVE_TYPE_UNASSIGNED;
}

} // namespace

Core::OperationReturn DiscoverPhysicalDrive::DiscoverDataAndSpareDrives(BMICDevice& channel,
                                                                        const IDENTIFY_CONTROLLER& identify,
                                                                        DriveSet& data, DriveSet& spare,
                                                                        DriveSet& activeSpare)
{
    ArrayInfoList perLogicalDrive;
    const Core::OperationReturn result = ScanLogicalDrives(channel, identify, perLogicalDrive);
    for (const _ArrayInfo& record : perLogicalDrive) {
        data |= record.dataDrives;
        spare |= record.spareDrives;
        activeSpare |= record.activeSpares;
    }
    return result;
}

Core::OperationReturn DiscoverPhysicalDrive::discover(Core::Device& device, BMICDevice& controller)
{
    CachedChannel channel(controller);
    IDENTIFY_CONTROLLER identify{};
    Core::OperationReturn result = IdentifyController(channel, identify);
    if (!result)
        return result;
    const DriveSet candidates = CandidateDrives(device, channel, driveSetFromBytes(identify.pbBigDrivePresentBitmap));

    DriveSet data, spare, activeSpare;
    result = DiscoverDataAndSpareDrives(channel, identify, data, spare, activeSpare);
    if (!result)
        return result;
    // Arrays made by this program run have no logical drive yet; they live at the scope.
    const Core::DevicePtr scope = Core::storageSystemFinder(device.getDevicePtr());
    for (const _ArrayInfo& record : ArraysWithoutLogicalDrives(scope ? *scope : device)) {
        data |= record.dataDrives;
        spare |= record.spareDrives;
    }

    for (unsigned index = 0; index < candidates.size(); ++index) {
        if (!candidates.test(index))
            continue;
        auto* drive = new Schema::PhysicalDrive(static_cast<unsigned short>(index), driveType(index, data, spare));
        Publish(*drive,
                Core::Attribute(Facts::ATTR_NAME_IS_ACTIVE_SPARE,
                                activeSpare.test(index) ? Facts::ATTR_VALUE_IS_ACTIVE_SPARE_TRUE
                                                        : Facts::ATTR_VALUE_IS_ACTIVE_SPARE_FALSE));
        publishInto(device, drive);
    }
    // A drive cage has its own tape discovery; elsewhere the tape drives come with the disks.
    if (dynamic_cast<const Schema::DriveCage*>(&device) == nullptr)
        DiscoverTapeDrive::publishTapeDrives(device, controller, identify, result);
    return result;
}

Core::FilterPtr DiscoverPhysicalDrive::pFilterImpl() const { return Core::FilterPtr(new LocalControllerFilter()); }

} // namespace Operations
