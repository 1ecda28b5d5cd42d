// Schema::PhysicalDrive - a physical drive of a controller, drive cage or storage system; it
// holds the drive's phys.
//
// Made from its controller drive index and its role (ATTR_VALUE_DRIVE_TYPE_DATA, _SPARE or
// _UNASSIGNED), which become ATTR_NAME_DEVICE_NUMBER and ATTR_NAME_DRIVE_TYPE. Identified by
// scope + ",PD:" + that index; drives with the same index are the same drive, so a drive
// reached through two controllers of one storage system is one device.
#ifndef VNL_SCHEMA_SCHEMAPHYSICALDRIVE_H
#define VNL_SCHEMA_SCHEMAPHYSICALDRIVE_H

#include "controller/bmicforwarddevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"

namespace Schema {

class PhysicalDrive;
using VisitorPhysicalDrive = Visitor<PhysicalDrive>;

class PhysicalDrive
    : public NumberedDevice<PhysicalDrive, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE,
                            MAX_EMBEDDED_PHYSICALDRIVE_OBJECTS, Anchor::Scope, PHYSICAL_DRIVE_TAG, unsigned short>,
      public BMICForwardDevice {
public:
    PhysicalDrive(unsigned short driveIndex, const Common::string& driveType);
    unsigned short driveIndex() const { return number(); }
};

} // namespace Schema

#endif
