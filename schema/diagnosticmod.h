// The diagnostic module: the operation that reads a diagnostic report of a device, the one that
// fails a physical drive on request, and the names of the structured report data. The module's
// registration of its operation classes is in operations/moduleregistration.h.
#ifndef VNL_SCHEMA_DIAGNOSTICMOD_H
#define VNL_SCHEMA_DIAGNOSTICMOD_H

#include "core/identifier.h"
#include "schema/morumod.h"

namespace Interface::DiagnosticMod {

// The report of one device.
VNL_IDENTIFIER(ATTR_NAME_DIAGNOSTIC_DATA)

// Structured report data: one composite per controller structure and member.
VNL_IDENTIFIER(ATTR_NAME_STRUCTURE)
VNL_IDENTIFIER(ATTR_NAME_MEMBER)
VNL_IDENTIFIER(ATTR_NAME_MEMBER_STRUCTURE)
VNL_IDENTIFIER(ATTR_NAME_MEMBER_STRUCTURE_INSTANCE)
VNL_IDENTIFIER(ATTR_NAME_NAME)
VNL_IDENTIFIER(ATTR_NAME_OFFSET)
VNL_IDENTIFIER(ATTR_NAME_SIZE)
using MORUMod::ATTR_NAME_TYPE;
VNL_IDENTIFIER(ATTR_NAME_VALUE)
VNL_IDENTIFIER(ATTR_NAME_META_VALUE)
VNL_IDENTIFIER(ATTR_NAME_ERROR)
VNL_IDENTIFIER(ATTR_NAME_VARIATION)
VNL_IDENTIFIER(ATTR_VALUE_VARIATION_MNP_SINCE_FACTORY)
VNL_IDENTIFIER(ATTR_VALUE_VARIATION_MNP_SINCE_RESET)

// Operations.
VNL_IDENTIFIER(OPERATION_READ_DEVICE_DIAGNOSTIC_INFO)
VNL_IDENTIFIER(OPERATION_WRITE_FAIL_PHYSICAL_DRIVE)

} // namespace Interface::DiagnosticMod

#endif
