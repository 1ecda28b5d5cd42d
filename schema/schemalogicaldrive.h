// Schema::LogicalDrive - a logical drive carved out of an array; it holds the disk extents the
// operating system has on it.
//
// Identified by scope + ",LD:" + its logical drive number (ATTR_NAME_DRIVE_NUMBER); logical
// drives with the same number are the same logical drive.
//
// The class also holds what the controller's codes for logical drives mean: the status codes of
// a logical drive, the fault-tolerance codes of the RAID levels, and how many member drives each
// level needs and how many of them carry data.
#ifndef VNL_SCHEMA_SCHEMALOGICALDRIVE_H
#define VNL_SCHEMA_SCHEMALOGICALDRIVE_H

#include "controller/bmicforwarddevice.h"
#include "controller/concretescsidevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"
#include "schema/storagemod.h"

namespace Schema {

class LogicalDrive;
using VisitorLogicalDrive = Visitor<LogicalDrive>;

class LogicalDrive
    : public FactKeyedDevice<LogicalDrive, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_LOGICAL_DRIVE,
                             MAX_EMBEDDED_LOGICALDRIVE_OBJECTS, Anchor::Scope, LOGICAL_DRIVE_TAG,
                             Interface::StorageMod::LogicalDrive::ATTR_NAME_DRIVE_NUMBER>,
      public BMICForwardDevice,
      public ConcreteSCSIDevice {
public:
    // Geometry limits, in blocks of 512 bytes.
    static constexpr unsigned MAX_CYLINDERS = 65535;
    static constexpr unsigned long long MAX_BOOT_BOUNDARY_32 = 534765600ull; // 65535 x 255 x 32
    static constexpr unsigned long long MAX_BOOT_BOUNDARY_63 = 1052819775ull; // 65535 x 255 x 63
    static constexpr unsigned long long MAX_LOGICAL_DRIVE_BOUNDARY = 4294967295ull;

    // `handle` is the library's handle of the logical drive, which its SCSI channel uses.
    LogicalDrive(unsigned driveNumber, ImgrHandle handle) : FactKeyedDevice(driveNumber), ConcreteSCSIDevice(handle) {}

    // Takes the handle of an equal logical drive from a newer discovery.
    void UpdateWith(const Core::DevicePtr& other) override
    {
        if (const LogicalDrive* newer = dynamic_cast<const LogicalDrive*>(other.get()))
            UpdateHandle(newer->handle());
    }

    // The ATTR_VALUE_STATUS_... value of a controller status code; empty for an unknown code.
    static Common::string volumeStatus(unsigned code);
    // The ATTR_VALUE_RAID_... level of a fault-tolerance code; empty for an unknown code.
    static Common::string faultTolerance(unsigned code);
    // The fault-tolerance code of a level; false for an unknown level.
    static bool faultToleranceCode(const Common::string& level, unsigned& code);
    // Whether `driveCount` member drives make a logical drive of `level`; if so, `dataDrives`
    // is how many of them carry data. An unknown level is never valid and leaves it unchanged.
    static bool isDriveCountValidFor(const Common::string& level, unsigned driveCount, unsigned& dataDrives);
};

} // namespace Schema

#endif
