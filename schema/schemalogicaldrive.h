// Schema::LogicalDrive - a logical drive carved out of an array; it holds the disk extents the
// operating system has on it.
//
// Identified by scope + ",LD:" + its logical drive number (ATTR_NAME_DRIVE_NUMBER); logical
// drives with the same number are the same logical drive.
//
// The class also holds what the controller's codes for logical drives mean: the status codes of
// a logical drive, the fault-tolerance codes of the RAID levels, and how many member drives each
// level needs and how many of them carry data; and how a new logical drive's configuration
// record is sized and stamped (schema/logicaldrivegeometry.cpp).
#ifndef VNL_SCHEMA_SCHEMALOGICALDRIVE_H
#define VNL_SCHEMA_SCHEMALOGICALDRIVE_H

#include "controller/bmicforwarddevice.h"
#include "controller/bmiclayouts_logicaldrive.h"
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

    // Geometry constants of a logical drive's drive parameter table.
    static constexpr unsigned HEADS = 255;
    static constexpr unsigned SECTORS_32 = 32;
    static constexpr unsigned SECTORS_63 = 63;

    // The largest logical drive, in blocks, that `blocks` free blocks of an array of
    // `driveCount` drives (`dataDrives` of them carrying data) hold with `sectors` sectors per
    // track: each drive's share is aligned down to `alignment` blocks, a size below the boot
    // boundary of `sectors` is rounded down to whole cylinders, and without `over2TB` support
    // the size is capped at 32 bits and at the boot boundary (`limitToBoot` with `capAtBoot`)
    // or at 65535 cylinders. False, with `result` 0, when driveCount or alignment is 0.
    static bool MaxUserSize(bool over2TB, bool limitToBoot, unsigned long long blocks, unsigned sectors,
                            unsigned long long alignment, unsigned driveCount, unsigned dataDrives,
                            unsigned long long& result, bool capAtBoot);
    // The alignment of a logical drive's share of each drive for a stripe of `stripe` blocks
    // on `device` (an array or anything below a controller): the stripe itself on the models
    // that align on it, 512 blocks on every other.
    static unsigned long long maxStripeAlignment(const Core::Device& device, unsigned long long stripe);
    // Fills the drive parameter table of `config` and its checksum (which also covers the bytes
    // that follow the table in the record, so it is set after them).
    static void SetDriveParameterTable(LOGICAL_DRIVE_CONFIG& config, unsigned heads, unsigned sectors,
                                       unsigned cylinders);
    // Marks `config` as written by this tool: the versions and options of the configuration
    // record, bConfigModMajorVer telling which extended fields a reader must understand. The
    // drive parameter table (set before) has its checksum made to add up again, as these
    // fields are among the bytes it covers.
    static void Stamp(LOGICAL_DRIVE_CONFIG& config);
    // A new record signature from the local time; its top four bits are 1010.
    static void GenerateSignature(std::uint32_t& signature);
};

} // namespace Schema

#endif
