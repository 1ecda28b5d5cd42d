// Capacities of the device model. The program stays far below them; only the
// operation registration tables enforce theirs (core/operationregistration.h).
#ifndef CORE_CAPACITIES_H
#define CORE_CAPACITIES_H

namespace Core {

inline constexpr unsigned MAX_ATTRIBUTES = 10000;
inline constexpr unsigned MAX_DEVICES = 1000;
inline constexpr unsigned MAX_ASSOCIATIONS = 1000;
inline constexpr unsigned MAX_OPERATIONS = 2000;
inline constexpr unsigned MAX_ARGUMENTS = 100;
inline constexpr unsigned MAX_FILTERS = 10;
inline constexpr unsigned MAX_CAPABILITIES = 10000;
inline constexpr unsigned MAX_OPERATION_RETURNS = 200;
inline constexpr unsigned MAX_EVENT_SOURCE_OBJECTS = 10;

} // namespace Core

#endif
