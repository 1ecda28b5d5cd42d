// Parameter data of the SCSI requests the simulated firmware answers beyond the access-list and
// host records of controller/ssplayouts.h: the entries of the physical LUN report (0xC3).
// Packed little-endian, like the BMIC buffers.
#ifndef VNL_SIM_SCSILAYOUTS_H
#define VNL_SIM_SCSILAYOUTS_H

#include <cstddef>
#include <cstdint>

#include "controller/ssplayouts.h"

#pragma pack(push, 1)

// One device of the physical LUN report, after its 8-byte list header.
struct PHYSICAL_LUN_ENTRY {
    std::uint8_t bLunAddress[8]; // bytes 0-1: controller drive index, little-endian
    std::uint8_t bWWID[8];
    std::uint8_t bDeviceType; // peripheral device type: 0 disk, 1 tape
    std::uint8_t bFlags;
    std::uint16_t wDriveIndex;
    std::uint8_t reserved[4];
};
static_assert(offsetof(PHYSICAL_LUN_ENTRY, bLunAddress) == 0);
static_assert(offsetof(PHYSICAL_LUN_ENTRY, bWWID) == 8);
static_assert(offsetof(PHYSICAL_LUN_ENTRY, bDeviceType) == 16);
static_assert(offsetof(PHYSICAL_LUN_ENTRY, bFlags) == 17);
static_assert(offsetof(PHYSICAL_LUN_ENTRY, wDriveIndex) == 18);
static_assert(offsetof(PHYSICAL_LUN_ENTRY, reserved) == 20);
static_assert(sizeof(PHYSICAL_LUN_ENTRY) == 24);

#pragma pack(pop)

#endif
