// The operation-return statuses that a controller command ends with beside success and failure
// (core/modelterms.h): the controller could not be reached, it refused a field of the command
// block or parameter list, or the library reported a short or long transfer. The storage module
// (Interface::StorageMod) offers them under its own name.
#ifndef VNL_CONTROLLER_COMMANDSTATUS_H
#define VNL_CONTROLLER_COMMANDSTATUS_H

#include "core/identifier.h"

namespace CommandStatus {

VNL_IDENTIFIER(ATTR_VALUE_STATUS_COMMUNICATION_ERROR)
VNL_IDENTIFIER(ATTR_VALUE_STATUS_INVALID_FIELD_IN_CDB)
VNL_IDENTIFIER(ATTR_VALUE_STATUS_INVALID_FIELD_IN_PARAMETER_LIST)
VNL_IDENTIFIER(ATTR_VALUE_STATUS_LOW_LEVEL_BUFFER_OVERRUN)
VNL_IDENTIFIER(ATTR_VALUE_STATUS_LOW_LEVEL_BUFFER_UNDERRUN)

} // namespace CommandStatus

#endif
