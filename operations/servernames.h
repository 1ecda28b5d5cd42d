// The storage system's table of host connection names (read 0xD7, write 0xD6): 64 slots, each
// an initiator identifier, its connection name and its host mode number.
//
// What a caller may rely on:
// - nameInitiator reads the table, finds the slot of `id` - or, for an initiator the table
//   lacks, takes the first unused slot (host mode 0) - puts `name` in it (an empty name removes
//   the name) and sends the whole table back, the other slots as they were read.
// - A name longer than MAX_NAME_LENGTH is ATTR_VALUE_STATUS_ARGUMENT_INVALID naming
//   ATTR_NAME_CONNECTION_NAME and nothing is sent: a name is never cut short. A full table is
//   ATTR_VALUE_STATUS_FAILURE and nothing is written.
#ifndef VNL_OPERATIONS_SERVERNAMES_H
#define VNL_OPERATIONS_SERVERNAMES_H

#include <cstdint>

#include "controller/bmicdevice.h"
#include "controller/bmiclayouts.h"
#include "core/operationreturn.h"

namespace Operations {

inline constexpr unsigned MAX_NAME_LENGTH = sizeof(CONNECTION_NAME_INTIATORID_ENTRY::sConnectionName);

Core::OperationReturn nameInitiator(BMICDevice& channel, const std::uint8_t (&id)[8], const Common::string& name);

} // namespace Operations

#endif
