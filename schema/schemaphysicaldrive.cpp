#include "schema/schemaphysicaldrive.h"

#include "schema/storagemod.h"

namespace Schema {

namespace Facts = Interface::StorageMod::PhysicalDrive;

PhysicalDrive::PhysicalDrive(unsigned short driveIndex, const Common::string& driveType) : NumberedDevice(driveIndex)
{
    publishFact(Facts::ATTR_NAME_DEVICE_NUMBER, driveIndex);
    publishFact(Facts::ATTR_NAME_DRIVE_TYPE, driveType);
}

} // namespace Schema
