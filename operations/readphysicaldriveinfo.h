// Operations::ReadPhysicalDriveInfo (OPERATION_READ_PHYSICAL_DRIVE_INFO) - reads the state and
// identity of a physical drive: status, interface, location (port, box and bay, or SCSI bus and
// id), model, serial number, firmware, size, rotational speed, native command queuing, and the
// monitoring counters.
//
// What a caller may rely on:
// - Commands: identify physical drive (through the reply cache, so the array reader's question
//   is not asked twice), then the monitoring statistics. A failed identify marks the drive
//   ATTR_VALUE_STATUS_FAILED and ends the reading with that failure.
// - readMonitoringCounters(false) (for a front end that shows no counter) leaves out the
//   monitoring statistics: the drives then have no ATTR_NAME_MNP_* attributes. They are read
//   by default.
// - A drive that is healthy but being rebuilt (as its logical drive's reader recorded with the
//   controller in this rescan) keeps ATTR_VALUE_STATUS_REBUILDING.
// - A parallel SCSI drive has no port, box and bay; a drive whose box or bay reads 255 has
//   them all ATTR_VALUE_..._UNKNOWN.
#ifndef VNL_OPERATIONS_READPHYSICALDRIVEINFO_H
#define VNL_OPERATIONS_READPHYSICALDRIVEINFO_H

#include "controller/bmiclayouts.h"
#include "operations/readoperation.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {

class ReadPhysicalDriveInfo : public Schema::VisitorPhysicalDrive,
                              public ReadOperation<Interface::StorageMod::OPERATION_READ_PHYSICAL_DRIVE_INFO> {
public:
    Core::OperationReturn visit(Schema::PhysicalDrive& drive) override;

    static void publishDriveInfo(Schema::PhysicalDrive& drive, const PHYSICAL_DRIVE_STATUS& status);
    static void ReadMNPInfo(Schema::PhysicalDrive& drive, const SENSE_MNP_STATISTICS& statistics);
    static void readMonitoringCounters(bool read);

    // ATTR_VALUE_INTERFACE_... of an interface code (PHYSICAL_DRIVE_STATUS.bDeviceType).
    static const char* interfaceName(unsigned code);
    // Total blocks of a drive: the 64-bit count when the controller gives one.
    static unsigned long long totalBlocks(const PHYSICAL_DRIVE_STATUS& status);
};

} // namespace Operations

#endif
