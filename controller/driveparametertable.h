// The drive parameter table of a logical drive's configuration record and its checksum, as the
// controller checks it: the two's complement of the 8-bit sum of the 241 bytes that start at
// the table (its own 16 and the 225 that follow it in the record), the checksum byte counted
// as 0. A record whose table byte bChecksum equals parameterTableChecksum adds up.
// Self-contained, so the simulated controller fills and checks records by the same rules as
// the tool.
#pragma once

#include <cstddef>
#include <cstdint>

#include "controller/bmiclayouts_logicaldrive.h"

inline constexpr std::size_t PARAMETER_TABLE_CHECKSUM_SPAN = 241;
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, logicalDriveParamTable) + PARAMETER_TABLE_CHECKSUM_SPAN <=
              sizeof(LOGICAL_DRIVE_CONFIG));

inline std::uint8_t parameterTableChecksum(const LOGICAL_DRIVE_CONFIG& config)
{
    const auto* first =
        reinterpret_cast<const std::uint8_t*>(&config) + offsetof(LOGICAL_DRIVE_CONFIG, logicalDriveParamTable);
    constexpr std::size_t checksumAt = offsetof(DRIVE_PARAM_TABLE, bChecksum);
    unsigned sum = 0;
    for (std::size_t i = 0; i < PARAMETER_TABLE_CHECKSUM_SPAN; ++i)
        sum += i == checksumAt ? 0u : first[i];
    return static_cast<std::uint8_t>(0x100u - (sum & 0xFFu));
}

// Sets the table for heads, sectors and cylinders (the landing zone too, drive control 8 above
// 8 heads, no write precompensation) and its checksum; other table bytes stay as they were.
inline void setDriveParameterTable(LOGICAL_DRIVE_CONFIG& config, unsigned heads, unsigned sectors, unsigned cylinders)
{
    DRIVE_PARAM_TABLE& table = config.logicalDriveParamTable;
    table.bMaxHeads = static_cast<std::uint8_t>(heads);
    table.bSectorsPerTrack = static_cast<std::uint8_t>(sectors);
    table.wMaxCylinders = static_cast<std::uint16_t>(cylinders);
    table.wLandingZone = static_cast<std::uint16_t>(cylinders);
    table.bDriveControl = heads > 8 ? 8 : 0;
    table.wPreCompCylinder = 0xFFFF;
    table.bChecksum = parameterTableChecksum(config);
}
