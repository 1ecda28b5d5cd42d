// The activation table: which operations each device type offers, in the order a rescan performs
// them on a device of that type. Modules declare which operation classes exist for which types;
// this table attaches them. An entry whose pair no module declared attaches nothing.
#ifndef VNL_SCHEMA_ACTIVATIONTABLE_H
#define VNL_SCHEMA_ACTIVATIONTABLE_H

#include <span>

namespace Schema {

struct OperationActivation {
    const char* typeName; // an ATTR_VALUE_TYPE_... identifier
    const char* operationName; // an OPERATION_... identifier
};

// Every entry, grouped by type, each type's operations in activation order.
std::span<const OperationActivation> operationActivations();

} // namespace Schema

#endif
