// senseRecord - the configuration record a controller holds for a logical drive of the tree,
// sensed through the drive's channel (sense logical drive configuration, 0x50), with the
// drive's number for the command that sends it back. A drive without a number is
// ATTR_VALUE_STATUS_FAILURE; a failing command's status is the return.
#ifndef VNL_OPERATIONS_LOGICALDRIVERECORD_H
#define VNL_OPERATIONS_LOGICALDRIVERECORD_H

#include <cstdint>

#include "controller/bmiclayouts.h"
#include "core/operationreturn.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

Core::OperationReturn senseRecord(Schema::LogicalDrive& drive, std::uint16_t& number, LOGICAL_DRIVE_CONFIG& record);

} // namespace Operations

#endif
