// The facts a controller reports about itself, turned into attributes. Shared by the reader of
// array controllers and the reader of storage systems, which ask a controller the same
// questions (operations/readarraycontrollerinfo.h, operations/readstoragesysteminfo.h).
//
// What a caller may rely on:
// - Each publish function takes one reply and publishes only facts; it sends nothing.
// - Sizes are published in 512-byte blocks (the cache sizes included), times in seconds.
// - A value outside a fact's listed value set is never published: a cache ratio that is not one
//   of the listed ratios, for one, is left out.
// - ReadControllerReplies sends the controller-level questions through the reply cache and
//   stops at the first failure, which is in the return.
#ifndef VNL_OPERATIONS_READCONTROLLERFACTS_H
#define VNL_OPERATIONS_READCONTROLLERFACTS_H

#include "controller/bmiccommands.h"
#include "controller/bmicdevice.h"
#include "controller/bmiclayouts.h"
#include "core/capability.h"
#include "core/device.h"
#include "core/operationreturn.h"
#include "operations/replycache.h"

namespace Operations {

// Bits of IDENTIFY_CONTROLLER.dwYetMoreControllerFlags.
inline constexpr std::uint32_t CONTROLLER_FLAG_OVER_2TB = 1u << 0;
inline constexpr std::uint32_t CONTROLLER_FLAG_RAID_6 = 1u << 1;
inline constexpr std::uint32_t CONTROLLER_FLAG_RAID_5 = 1u << 2;

// Private attribute of a controller: the feature flags of its identify reply (unsigned int),
// from which its capability tree offers RAID levels.
inline constexpr char PRIVATE_CONTROLLER_FLAGS[] = "PRIVATE_CONTROLLER_FLAGS";

// Private attribute of a controller: the most physical drives one logical drive may span
// (unsigned int, from its identify reply; absent when it reports none).
inline constexpr char PRIVATE_MAX_DRIVES_PER_LOGICAL_DRIVE[] = "PRIVATE_MAX_DRIVES_PER_LOGICAL_DRIVE";

// Asks a controller-level question through the reply cache; false (with the failure in
// `result`) when it failed or `result` already reported a failure.
template <class Trait, class Channel>
bool senseController(Channel& channel, typename Trait::BufferType& reply, Core::OperationReturn& result)
{
    SenseControllerCommand<Trait> command;
    if (!result || !executeCachedCommand(command, channel, result) || !result)
        return false;
    reply = command.result();
    return true;
}

// The logical drives that are rebuilding onto a drive, kept on the controller or storage system
// (private attribute: a map from logical drive number to drive index). The readers of a
// controller empty it, the logical drive reader fills it, the physical drive reader reads it.
inline constexpr char PRIVATE_REBUILDING_DRIVES[] = "PRIVATE_REBUILDING_DRIVES";
using RebuildingDrives = Common::map<unsigned, unsigned>;

// Whether the controller or storage system above `below` counts blocks in 64 bits (logical
// drives over 2 TB).
bool supportsOver2TB(const Core::Device& below);

// Identify facts a storage system shares with a controller: drive counts and feature flags.
void publishDriveCounts(Core::Device& device, const IDENTIFY_CONTROLLER& identify);
void publishIdentifyInfo(Core::Device& device, const IDENTIFY_CONTROLLER& identify);
void publishStorageSystemInfo(Core::Device& device, const SUBSYSTEM_PARAMETERS& subsystem, bool remote);
void publishRedundantControllerParameters(Core::Device& device, const REDUNDANT_CONTROLLER_PARAMETERS& redundancy);
void publishRedundancyMode(Core::Device& device, const REDUNDANT_CONTROLLER_PARAMETERS& redundancy);
void publishAcceleratorInfo(Core::Device& device, const CACHE_CONFIG_STATUS& cache);
void publishCacheRatioInfo(Core::Device& device, const CACHE_CONFIG_STATUS& cache);
void publishParameterInfo(Core::Device& device, const CONTROLLER_PARAMETERS& parameters);
void publishSurfaceStatusInfo(Core::Device& device, const SURFACE_STATUS& surface);

// "ATTR_VALUE_CACHE_RATIO_<read>_<write>" when that is one of the listed ratios, else empty.
Common::string cacheRatio(unsigned readPercent, unsigned writePercent);

// The size in blocks of a cache size the controller gives in megabytes before the shift.
unsigned long long cacheBlocks(unsigned megabytes, unsigned shiftFactor);

// What the controller-settings writes and the create operations may choose, with the current
// and default values the device carries: RAID levels, stripe sizes, cache ratio, rebuild and
// expand priority, surface scan delay.
Core::CapabilityPtr controllerCapability(const Core::Device& device);
// A closed class of the values first..last for the argument `name`, `current` and `preset`
// (the default) marked among them.
Core::CapabilityPtr closedCapabilityClass(const char* name, const char* const* first, const char* const* last,
                                          const Common::string& current, const Common::string& preset);
// The RAID levels alone.
Core::CapabilityPtr raidCapability(const Core::Device& device);

} // namespace Operations

#endif
