// Capacities of the device classes: how many objects of a class the model is laid out for.
// Each class records its own through its Common::LocalStaticAllocator base; the objects come
// from the general heap, so the numbers are limits of the hardware, not of memory.
#ifndef VNL_SCHEMA_SCHEMACAPACITIES_H
#define VNL_SCHEMA_SCHEMACAPACITIES_H

#include <cstddef>

namespace Schema {

inline constexpr std::size_t MAX_MODROOT_OBJECTS = 1;
inline constexpr std::size_t MAX_EMBEDDED_STORAGE_SYSTEM_OBJECTS = 4;
inline constexpr std::size_t MAX_EMBEDDED_ARRAYCONTROLLER_OBJECTS = 3;
inline constexpr std::size_t MAX_EMBEDDED_HOSTBUSADAPTER_OBJECTS = 1;
inline constexpr std::size_t MAX_EMBEDDED_INITIATOR_OBJECTS = 1;
inline constexpr std::size_t MAX_EMBEDDED_ARRAY_OBJECTS = 33;
inline constexpr std::size_t MAX_EMBEDDED_LOGICALDRIVE_OBJECTS = 33;
inline constexpr std::size_t MAX_EMBEDDED_DISK_EXTENT_OBJECTS = 1;
inline constexpr std::size_t MAX_EMBEDDED_PHYSICALDRIVE_OBJECTS = 129;
inline constexpr std::size_t MAX_EMBEDDED_TAPEDRIVE_OBJECTS = 129;
inline constexpr std::size_t MAX_EMBEDDED_STORAGE_ENCLOSURE_OBJECTS = 9;
inline constexpr std::size_t MAX_EMBEDDED_DRIVE_CAGE_OBJECTS = 9;
inline constexpr std::size_t MAX_EMBEDDED_EXPANDER_OBJECTS = 1;
inline constexpr std::size_t MAX_EMBEDDED_SEP_OBJECTS = 1;
inline constexpr std::size_t MAX_EMBEDDED_PHY_OBJECTS = 1;
inline constexpr std::size_t MAX_EMBEDDED_EVENT_LOG_OBJECTS = 2;
inline constexpr std::size_t MAX_EMBEDDED_EVENT_LOG_ENTRY_OBJECTS = 101;

} // namespace Schema

#endif
