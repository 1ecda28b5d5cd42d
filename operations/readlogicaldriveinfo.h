// Operations::ReadLogicalDriveInfo (OPERATION_READ_LOGICAL_DRIVE_INFO) - reads the state and
// properties of a logical drive: SSP state, status with rebuild or expand progress, RAID level,
// stripe size, boot flag, name and unique identifier, size and geometry, array accelerator,
// surface analysis and parity initialisation.
//
// What a caller may rely on:
// - Commands, in order: logical drive configuration, logical drive status, identify logical
//   drive, surface status, cache configuration and, in asymmetrical active-active mode, the
//   redundant controller parameters for the preferred path; all through the reply cache. A
//   failing command ends the reading with its failure; the facts published before it stay.
//   Outside the whole read scope (operations/readscope.h) only the first two are sent: the
//   label, unique identifier, surface analysis, accelerator and preferred path are not read.
// - The drive mirrors ATTR_NAME_SSP_STATE of its storage system (or controller) before any
//   command is sent, so the SSP view lists it even when the controller fails to answer.
// - Sizes are read before the status, so that a progress percentage is always taken against
//   the size the controller reports now.
// - Status codes without a listed status publish no ATTR_NAME_STATUS; progress facts are
//   removed before they are worked out again, so a finished rebuild or expansion loses them.
// - A rebuild marks the drive being rebuilt ATTR_VALUE_STATUS_REBUILDING and records it with
//   the controller (PRIVATE_REBUILDING_DRIVES), so that the drive's own reader keeps it.
// - A percentage is (U - L) * 100 / U with U the logical drive's useable blocks and L the
//   blocks left; with no size known, or more blocks left than the drive has, it reads 0.
#ifndef VNL_OPERATIONS_READLOGICALDRIVEINFO_H
#define VNL_OPERATIONS_READLOGICALDRIVEINFO_H

#include <cstdint>

#include "controller/bmiclayouts.h"
#include "operations/readoperation.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {

class ReadLogicalDriveInfo : public Schema::VisitorLogicalDrive,
                             public ReadOperation<Interface::StorageMod::OPERATION_READ_LOGICAL_DRIVE_INFO> {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;

    // The SSP state of the drive's storage system (or controller), which presents the drive
    // selectively; none when that box reports no SSP state.
    static void publishSspInfo(Schema::LogicalDrive& drive);
    static void publishStatusInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_STATUS& status);
    // The progress steps alone: blocks left, rebuild or expand percentage.
    static void publishProgressInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_STATUS& status);
    static void publishActiveSpareInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_STATUS& status);
    static void publishGeneralInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_CONFIG& config);
    static void publishIdentifyInfo(Schema::LogicalDrive& drive, const IDENTIFY_LOGICAL_DRIVE& identify);
    static void publishSizeInfo(Schema::LogicalDrive& drive, const LOGICAL_DRIVE_CONFIG& config);
    static void publishAcceleratorInfo(Schema::LogicalDrive& drive, const CACHE_CONFIG_STATUS& cache);
    static void publishSurfaceInfo(Schema::LogicalDrive& drive, const SURFACE_STATUS& surface);

    // Identify logical drive, surface status, cache configuration and preferred path.
    static void readSettings(Schema::LogicalDrive& drive, std::uint16_t number, Core::OperationReturn& result);
    // In asymmetrical active-active mode: the chassis slot of the drive's preferred controller
    // (ATTR_NAME_IO_SLOT, bit n of dwPrefferedLunOwnership set = slot 1).
    static void readPreferredPath(Schema::LogicalDrive& drive, Core::OperationReturn& result);
    // The logical drive number the device carries; false when it carries none.
    static bool driveNumber(const Core::Device& drive, std::uint16_t& number);
    // (U - L) * 100 / U as text; 0 when U is 0 or L is not below U.
    static Common::string percentComplete(std::uint64_t useable, std::uint64_t left);
};

} // namespace Operations

#endif
