// Operations::WriteDeleteLogicalDrive - what the deletion of logical drives shares with their
// creation.
//
// ResetDefaults(controller): run when a controller's configuration has just gone from no
// logical drive to one (or back). The controller then reports new facts about itself (its
// logical drive count, and the settings it keeps per configuration such as the cache), so
// ResetDefaults reads the controller's own information again with its reader
// (read-array-controller-info, or read-storage-system-info for a storage system). It changes
// nothing on the controller and adds or removes no device. The return is the reader's; a device
// without a reader gives ATTR_VALUE_STATUS_NOT_SUPPORTED.
#ifndef VNL_OPERATIONS_WRITEDELETELOGICALDRIVE_H
#define VNL_OPERATIONS_WRITEDELETELOGICALDRIVE_H

#include "core/device.h"
#include "core/operationreturn.h"

namespace Operations {

class WriteDeleteLogicalDrive {
public:
    static Core::OperationReturn ResetDefaults(Core::Device& controller);
};

} // namespace Operations

#endif
