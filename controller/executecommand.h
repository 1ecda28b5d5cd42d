// executeCommand - runs a controller command inside an operation and records
// a failure in the operation's result.
//
// A result that already reports failure is left alone (the command is not
// run) and true is returned. A command that succeeds returns true. A failed
// command publishes its command status, SCSI status, sense key, ASC and ASCQ
// as decimal text, then ATTR_NAME_STATUS: the command's status description
// when it has one, ATTR_VALUE_STATUS_FAILURE otherwise; the return is true
// exactly when that status is ATTR_VALUE_STATUS_SUCCESS. The flag is not
// consulted.
#ifndef CONTROLLER_EXECUTECOMMAND_H
#define CONTROLLER_EXECUTECOMMAND_H

#include "controller/scsistatus.h"
#include "core/operationreturn.h"

// Publishes a failed command's status into the result; true when the
// published status reads as success.
bool PublishCommandFailure(const SCSIStatus& command, Core::OperationReturn& result);

template <class Command, class Device>
bool executeCommand(Command& command, Device& device, Core::OperationReturn& result, bool /*flag*/ = false)
{
    if (!result)
        return true;
    if (command(device))
        return true;
    return PublishCommandFailure(command, result);
}

#endif
