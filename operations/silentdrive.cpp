#include "operations/silentdrive.h"

#include "operations/drivecandidates.h"
#include "operations/readoperation.h"
#include "schema/storagemod.h"

namespace Operations {

bool isSilentDrive(const SCSIStatus& request)
{
    return request.i32LowLevelStatus() == 0 && (request.wCommandStatus() != 0 || request.bScsiStatus() != 0);
}

void publishSilentDrive(Schema::PhysicalDrive& drive)
{
    namespace Facts = Interface::StorageMod::PhysicalDrive;
    const unsigned index = drive.driveIndex();
    publishReading(drive, Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_FAILED);
    publishReading(drive, Facts::ATTR_NAME_SCSI_BUS, index / DRIVES_PER_BUS);
    publishReading(drive, Facts::ATTR_NAME_SCSI_ID, index % DRIVES_PER_BUS);
}

} // namespace Operations
