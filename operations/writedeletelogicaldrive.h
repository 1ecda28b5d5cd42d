// Operations::WriteDeleteLogicalDrive (OPERATION_WRITE_DELETE_LOGICAL_DRIVE) - deletes a logical
// drive, and what the deletion of logical drives shares with their creation.
//
// What a caller may rely on:
// - Offered only on the last logical drive of its array (the one whose extent ends the array,
//   ATTR_NAME_LAST_DELETEABLE_LOGICAL_DRIVE of the array): logical drives go from the end of an
//   array or with the whole array (WriteDeleteArray). Others are refused with
//   ATTR_VALUE_UNAVAILABLE_REASON_NOT_LAST_LOGICAL_DRIVE_IN_ARRAY.
// - deleteLuns deletes one logical drive: unless it is failed, not configured, has a wrong
//   drive replaced, is not yet available or has a drive improperly connected, its partition
//   signatures are erased (operations/partitionsignatures.h: MBR, software RAID, GPT with its
//   backup); the library is told to drop its host device (class 0x6002); then its record is
//   sensed and sent back with no assigned drive (bmicDelete). Only that last command deletes:
//   a failure before it leaves the logical drive configured. The first failing step ends it
//   with its status in the result. A logical drive the controller no longer holds counts as
//   deleted; nothing is sent for it.
// - DeleteAll deletes the given logical drives from the end of their arrays backwards (by
//   data offset, highest first), so that whatever a failure leaves is still a whole array's
//   front part; it stops at the first failure.
// - After a deletion that leaves the controller without logical drives, ResetDefaults runs.
//   The tree is left for the caller's rescan.
//
// ResetDefaults(controller): run when a controller's configuration has just gone from no
// logical drive to one or back to none. The settings a controller keeps per configuration go
// back to their defaults, each where the device offers it: manage-controller-parameters with
// the defaults of its capability tree (priorities low, the default cache ratio),
// set-asymmetrical-active-active-submode with its default (automatic) and
// set-drive-write-cache disabled. Then the controller's own information is read again with its
// reader (read-array-controller-info, or read-storage-system-info for a storage system). The
// return is the first failure, else the reader's; a device without a reader gives
// ATTR_VALUE_STATUS_NOT_SUPPORTED.
#ifndef VNL_OPERATIONS_WRITEDELETELOGICALDRIVE_H
#define VNL_OPERATIONS_WRITEDELETELOGICALDRIVE_H

#include <vector>

#include "core/device.h"
#include "core/filter.h"
#include "core/operationreturn.h"
#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class WriteDeleteLogicalDrive : public Schema::VisitorLogicalDrive,
                                public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_DELETE_LOGICAL_DRIVE> {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;

    static Core::OperationReturn deleteLuns(Schema::LogicalDrive& drive);
    // The logical drives below `scope` (an array, a controller or a storage system), deleted.
    static Core::OperationReturn DeleteAll(Core::Device& scope);
    static Core::OperationReturn ResetDefaults(Core::Device& controller);

    class LastLogicalDriveFilter : public Core::Filter {
    protected:
        Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
    };

protected:
    Core::FilterPtr pFilterImpl() const override;

private:
    static Core::OperationReturn deleteSensed(Schema::LogicalDrive& drive, std::uint16_t number,
                                              LOGICAL_DRIVE_CONFIG config);
    // ResetDefaults once the controller holding `drive` has no logical drive left.
    static Core::OperationReturn afterLastLogicalDrive(Schema::LogicalDrive& drive);
};

} // namespace Operations

#endif
