// The texts device identifiers are built with, in one table. A root is "MR:" and its number, a
// controller "AC:" and its location, an adapter "HBA:" and its identifying text, a storage
// system its chassis serial number; every other identifier is its scope's or parent's
// identifier, one of the tags below, and the device's identifying text.
#ifndef VNL_SCHEMA_IDENTIFIERTAGS_H
#define VNL_SCHEMA_IDENTIFIERTAGS_H

namespace Schema {

inline constexpr char MOD_ROOT_PREFIX[] = "MR:";
inline constexpr char ARRAY_CONTROLLER_PREFIX[] = "AC:";
inline constexpr char HOST_BUS_ADAPTER_PREFIX[] = "HBA:";

inline constexpr char INITIATOR_TAG[] = ",I:"; // after the scope
inline constexpr char ARRAY_TAG[] = ",A:"; // after the scope
inline constexpr char LOGICAL_DRIVE_TAG[] = ",LD:"; // after the scope
inline constexpr char DISK_EXTENT_TAG[] = ",DE:"; // after the logical drive
inline constexpr char PHYSICAL_DRIVE_TAG[] = ",PD:"; // after the scope
inline constexpr char TAPE_DRIVE_TAG[] = ",TD:"; // after the scope
inline constexpr char STORAGE_ENCLOSURE_TAG[] = ",SE:"; // after the scope
inline constexpr char DRIVE_CAGE_TAG[] = ",DC:"; // after the enclosure
inline constexpr char EXPANDER_TAG[] = ",E:"; // after the scope
inline constexpr char SEP_TAG[] = ",S:"; // after the scope
inline constexpr char PHY_TAG[] = ",PY:"; // after the drive, expander or SEP

} // namespace Schema

#endif
