#include "operations/readcontrollerfacts.h"

#include <bit>
#include <iterator>
#include <vector>

#include "common/fastcast.h"
#include "core/devicelock.h"
#include "operations/conversion.h"
#include "operations/fieldtext.h"
#include "operations/hextext.h"
#include "operations/readoperation.h"
#include "schema/morumod.h"
#include "schema/schemaarraycontroller.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::ArrayController;
namespace SystemFacts = Interface::StorageMod::StorageSystem;
namespace DriveFacts = Interface::StorageMod::LogicalDrive;
using namespace Interface::MORUMod;

// The ratios a controller may be set to, read percent then write percent.
const char* const kCacheRatios[] = {
    Facts::ATTR_VALUE_CACHE_RATIO_0_100, Facts::ATTR_VALUE_CACHE_RATIO_10_90, Facts::ATTR_VALUE_CACHE_RATIO_20_80,
    Facts::ATTR_VALUE_CACHE_RATIO_25_75, Facts::ATTR_VALUE_CACHE_RATIO_30_70, Facts::ATTR_VALUE_CACHE_RATIO_40_60,
    Facts::ATTR_VALUE_CACHE_RATIO_50_50, Facts::ATTR_VALUE_CACHE_RATIO_60_40, Facts::ATTR_VALUE_CACHE_RATIO_70_30,
    Facts::ATTR_VALUE_CACHE_RATIO_75_25, Facts::ATTR_VALUE_CACHE_RATIO_80_20, Facts::ATTR_VALUE_CACHE_RATIO_90_10,
    Facts::ATTR_VALUE_CACHE_RATIO_100_0,
};

// CACHE_CONFIG_STATUS.dwStatus, from 0.
const char* const kCacheStatus[] = {
    Facts::ATTR_VALUE_CACHE_STATUS_OK,
    Facts::ATTR_VALUE_CACHE_STATUS_NOT_CONFIGURED,
    Facts::ATTR_VALUE_CACHE_STATUS_TEMPORARILY_DISABLED,
    Facts::ATTR_VALUE_CACHE_STATUS_PERMANENTLY_DISABLED,
};

// CACHE_CONFIG_STATUS.wDisableCode, from 1: why the cache is off.
const char* const kCacheState[] = {
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_REQUIRES_REBOOT,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_BATTERY_WAS_HOT_REMOVED,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_CACHE_SIZE_MISMATCH,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_EXPAND_IN_PROGRESS,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_LOW_BATTERIES,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_LOW_BATTERIES_ON_REDUNDANT_CONTROLLER,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_LOW_RESOURCES,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_READ_ERROR,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_RUN_PLW,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_SNAPSHOT_IN_PROGRESS,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_WRITE_ERROR,
    Facts::ATTR_VALUE_CACHE_STATE_DISABLED_WRONG_BOARD,
};

// REDUNDANT_CONTROLLER_PARAMETERS.bFailureReason, from 1.
const char* const kRedundancyFailure[] = {
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_NOT_INSTALLED,
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_MODEL_MISMATCH,
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_ICL_NOT_ESTABLISHED,
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_FIRMWARE_MISMATCH,
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_CACHE_SIZE_MISMATCH,
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_CACHE_FAILURE,
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_DRIVE_DISPARITY,
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_INVALID_DRIVE_FOR_REDUNDANCY,
    Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_EXPANSION_IN_PROGRESS,
};

// REDUNDANT_CONTROLLER_PARAMETERS.bCurrentMode: one bit per mode.
struct ModeBit {
    std::uint8_t bit;
    const char* mode;
};
const ModeBit kRedundancyModes[] = {
    {0x01, SystemFacts::ATTR_VALUE_REDUNDANCY_MODE_ACTIVE_STANDBY},
    {0x02, SystemFacts::ATTR_VALUE_REDUNDANCY_MODE_ASYMMETRICAL_ACTIVE_ACTIVE},
    {0x04, SystemFacts::ATTR_VALUE_REDUNDANCY_MODE_PRIMARY_SECONDARY},
    {0x08, SystemFacts::ATTR_VALUE_REDUNDANCY_MODE_SYMMETRICAL_ACTIVE_ACTIVE},
};
// wAdditionalFlags: paths change on their own (implicit) rather than on request.
constexpr std::uint16_t kImplicitPathChanges = 0x0001;
// bSlotControl: this controller of the pair serves the logical drives.
constexpr std::uint8_t kActiveController = 0x01;
// bControllerStatus: the pair is redundant.
constexpr std::uint8_t kRedundancyOk = 0x01;

// Priorities as the settings write them: 0x76 high, 0x40 medium, 0 low.
constexpr std::uint8_t kHighPriority = 0x76;
constexpr std::uint8_t kMediumPriority = 0x40;

// Stripe sizes offered, in blocks, and the one chosen when none is given.
const unsigned kStripeSizes[] = {16, 32, 64, 128, 256};
constexpr unsigned kDefaultStripeSize = 128;

template <std::size_t N>
Common::string entryOf(const char* const (&table)[N], std::size_t index)
{
    return index < N ? Common::string(table[index]) : Common::string();
}

Common::string decimal(unsigned long long value) { return Core::AttributeValue(value).toString(); }

const char* priority(std::uint8_t value, const char* high, const char* medium, const char* low)
{
    return value >= kHighPriority ? high : value >= kMediumPriority ? medium : low;
}

// 1-based numbers of the set bits, joined with the multi-value delimiter.
Common::string bitNumbers(unsigned bits)
{
    Common::string list;
    for (unsigned n = 0; n < 16; ++n) {
        if ((bits & (1u << n)) == 0)
            continue;
        if (!list.empty())
            list += "*-*";
        list += decimal(n + 1);
    }
    return list;
}

void publishBatteryInfo(Core::Device& device, const CACHE_CONFIG_STATUS& cache)
{
    const unsigned count = cache.wBatteryCount;
    const unsigned failed = cache.wFailedBatteries;
    const unsigned charging = cache.wBatteryStatus;
    clearReading(device, Facts::ATTR_NAME_BATTERY_FAILED_LIST);
    if (count == 0)
        return;
    publishReading(device, Facts::ATTR_NAME_BATTERY_PACK_COUNT, count);
    const char* status = failed != 0 ? Facts::ATTR_VALUE_BATTERY_STATUS_FAILED
        : charging != 0              ? Facts::ATTR_VALUE_BATTERY_STATUS_NOT_FULLY_CHARGED
                                     : Facts::ATTR_VALUE_BATTERY_STATUS_OK;
    publishReading(device, Facts::ATTR_NAME_BATTERY_STATUS, status);
    publishReading(device, Facts::ATTR_NAME_BATTERY_FAILED_LIST, bitNumbers(failed));
}

void publishCacheSizes(Core::Device& device, const CACHE_CONFIG_STATUS& cache)
{
    const unsigned shift = cache.bMemorySizeShiftFactor;
    const unsigned total = cache.wTotalMemorySize, read = cache.wReadCacheSize, write = cache.wWriteCacheSize;
    const unsigned unbacked = cache.wNonBatteryBackedMemorySize;
    publishReading(device, Facts::ATTR_NAME_CACHE_SIZE_TOTAL, cacheBlocks(total, shift));
    publishReading(device, Facts::ATTR_NAME_CACHE_SIZE_READ, cacheBlocks(read, shift));
    publishReading(device, Facts::ATTR_NAME_CACHE_SIZE_WRITE, cacheBlocks(write, shift));
    publishReading(device, Facts::ATTR_NAME_CACHE_SIZE_TOTAL_NON_BBBWC, cacheBlocks(unbacked, shift));
    publishReading(device, Facts::ATTR_NAME_CACHE_SIZE_TOTAL_BBBWC,
                   cacheBlocks(total > unbacked ? total - unbacked : 0, shift));
}

Core::CapabilityPtr stripeClass()
{
    Core::CapabilityPtr list(new Core::CapabilityClass(DriveFacts::ATTR_NAME_STRIPE_SIZE,
                                                       ATTR_VALUE_INSTANCE_TYPE_BLOCK, ATTR_VALUE_CARDINALITY_SINGLE,
                                                       ATTR_VALUE_ACTION_ABSOLUTE, ATTR_VALUE_INSTANCE_RANGE_CLOSED));
    for (unsigned size : kStripeSizes)
        list->Subscribe(Core::CapabilityPtr(new Core::CapabilityInstance(decimal(size), size == kDefaultStripeSize)));
    return list;
}

Core::CapabilityPtr surfaceDelayClass(const Common::string& current)
{
    Core::CapabilityPtr range(new Core::CapabilityClass(Facts::ATTR_NAME_SURFACE_ANALYSIS_DELAY,
                                                        ATTR_VALUE_INSTANCE_TYPE_NUMERIC, ATTR_VALUE_CARDINALITY_SINGLE,
                                                        ATTR_VALUE_ACTION_ABSOLUTE, ATTR_VALUE_INSTANCE_RANGE_OPEN));
    range->Receive(Core::Attribute(ATTR_NAME_MINIMUM_VALUE, "1"));
    range->Receive(Core::Attribute(ATTR_NAME_MAXIMUM_VALUE, "30"));
    if (!current.empty())
        range->Subscribe(Core::CapabilityPtr(new Core::CapabilityInstance(current, false, true)));
    return range;
}

unsigned controllerFlags(const Core::Device& device)
{
    const Common::Any flags = device.getPrivateValueFor(PRIVATE_CONTROLLER_FLAGS);
    const unsigned* value = flags.get<unsigned>();
    return value != nullptr ? *value : 0;
}

} // namespace

void publishDriveCounts(Core::Device& device, const IDENTIFY_CONTROLLER& identify)
{
    const std::uint32_t flags = identify.dwYetMoreControllerFlags;
    const std::uint32_t safeStripe = identify.dwMaximumSafeFullStripeSizeMB;
    unsigned present = 0;
    for (std::uint8_t byte : identify.pbBigDrivePresentBitmap)
        present += static_cast<unsigned>(std::popcount(byte));
    publishReading(device, Facts::ATTR_NAME_LOGICAL_DRIVE_COUNT,
                   static_cast<unsigned>(identify.bConfiguredLogicalDrives));
    publishReading(device, Facts::ATTR_NAME_PHYSICAL_DRIVE_COUNT, present);
    device.ReceivePrivateAttribute(Core::PrivateAttribute(PRIVATE_CONTROLLER_FLAGS, static_cast<unsigned>(flags)));
    device.ReceivePrivateAttribute(Core::PrivateAttribute(PRIVATE_REBUILDING_DRIVES, RebuildingDrives()));
    device.ClearPrivateAttribute(PRIVATE_MAX_DRIVES_PER_LOGICAL_DRIVE);
    if (identify.wMaximumPhysicalDrivesPerLogicalUnit != 0)
        device.ReceivePrivateAttribute(
            Core::PrivateAttribute(PRIVATE_MAX_DRIVES_PER_LOGICAL_DRIVE,
                                   static_cast<unsigned>(identify.wMaximumPhysicalDrivesPerLogicalUnit)));
    device.ClearPrivateAttribute(Facts::ATTR_NAME_MAX_SAFE_FULL_STRIPE_SIZE);
    if (safeStripe != 0)
        device.ReceivePrivateAttribute(Core::PrivateAttribute(Facts::ATTR_NAME_MAX_SAFE_FULL_STRIPE_SIZE,
                                                              static_cast<unsigned long long>(safeStripe) *
                                                                  Conversion::SizeConvert::BLOCKS_PER_MB));
}

void publishIdentifyInfo(Core::Device& device, const IDENTIFY_CONTROLLER& identify)
{
    const std::uint32_t flags = identify.dwYetMoreControllerFlags;
    const char revision[] = {static_cast<char>(identify.bHardwareRevision), '\0'};
    publishReading(device, Facts::ATTR_NAME_FIRMWARE_VERSION, fieldText(identify.sRAMFirmwareRev));
    publishReading(device, Facts::ATTR_NAME_HARDWARE_REVISION,
                   revision[0] > ' ' && revision[0] <= '~' ? revision : Facts::ATTR_VALUE_HARDWARE_REVISION_UNKNOWN);
    publishReading(device, Facts::ATTR_NAME_IS_QRX_SUPPORTED,
                   (flags & CONTROLLER_FLAG_RAID_6) != 0 ? Facts::ATTR_VALUE_IS_QRX_SUPPORTED_TRUE
                                                         : Facts::ATTR_VALUE_IS_QRX_SUPPORTED_FALSE);
    publishDriveCounts(device, identify);
}

void publishStorageSystemInfo(Core::Device& device, const SUBSYSTEM_PARAMETERS& subsystem, bool remote)
{
    publishReading(device, Facts::ATTR_NAME_CONTROLLER_SERIAL_NUMBER, fieldText(subsystem.sControllerSerialNumber));
    publishReading(device, Facts::ATTR_NAME_CONTROLLER_CACHE_SERIAL_NUMBER, fieldText(subsystem.sCacheSerialNumber));
    publishReading(device, SystemFacts::ATTR_NAME_CHASSIS_SERIAL_NUMBER, fieldText(subsystem.sChassisSerialNumber));
    if (!remote)
        return;
    // The controllers of a storage system sit in chassis slots named A, B, ...
    const Common::string port = fieldText(subsystem.sPortName);
    if (port.size() == 1 && port[0] >= 'A' && port[0] <= 'Z')
        publishReading(device, Facts::ATTR_NAME_IO_SLOT, static_cast<unsigned>(port[0] - 'A'));
    publishReading(device, Facts::ATTR_NAME_WWN_PORT, worldWideName(subsystem.sNodeName));
}

void publishRedundantControllerParameters(Core::Device& device, const REDUNDANT_CONTROLLER_PARAMETERS& redundancy)
{
    const bool active = (redundancy.bSlotControl & kActiveController) != 0;
    const bool redundant = (redundancy.bControllerStatus & kRedundancyOk) != 0;
    publishReading(device, Facts::ATTR_NAME_REDUNDANT_STATE,
                   active ? Facts::ATTR_VALUE_REDUNDANT_STATE_ACTIVE : Facts::ATTR_VALUE_REDUNDANT_STATE_STANDBY);
    publishReading(device, Facts::ATTR_NAME_REDUNDANCY_STATUS,
                   redundant ? Facts::ATTR_VALUE_REDUNDANCY_STATUS_OK : Facts::ATTR_VALUE_REDUNDANCY_STATUS_FAILED);
    clearReading(device, Facts::ATTR_NAME_REDUNDANCY_STATE);
    if (redundant)
        return;
    const unsigned reason = redundancy.bFailureReason;
    const Common::string state = reason == 0 ? Common::string() : entryOf(kRedundancyFailure, reason - 1);
    publishReading(device, Facts::ATTR_NAME_REDUNDANCY_STATE,
                   state.empty() ? Common::string(Facts::ATTR_VALUE_REDUNDANCY_STATE_FAIL_UNKNOWN_REASON) : state);
}

void publishRedundancyMode(Core::Device& device, const REDUNDANT_CONTROLLER_PARAMETERS& redundancy)
{
    clearReading(device, SystemFacts::ATTR_NAME_REDUNDANCY_MODE);
    clearReading(device, SystemFacts::ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE);
    for (const ModeBit& entry : kRedundancyModes) {
        if ((redundancy.bCurrentMode & entry.bit) == 0)
            continue;
        publishReading(device, SystemFacts::ATTR_NAME_REDUNDANCY_MODE, entry.mode);
        if (entry.mode == SystemFacts::ATTR_VALUE_REDUNDANCY_MODE_ASYMMETRICAL_ACTIVE_ACTIVE)
            publishReading(device, SystemFacts::ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE,
                           (redundancy.wAdditionalFlags & kImplicitPathChanges) != 0
                               ? SystemFacts::ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_IMPLICIT
                               : SystemFacts::ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_EXPLICIT);
        return;
    }
}

void publishAcceleratorInfo(Core::Device& device, const CACHE_CONFIG_STATUS& cache)
{
    const bool board = cache.bBoardPresent != 0;
    const unsigned status = cache.dwStatus;
    const unsigned code = cache.wDisableCode;
    publishReading(device, Facts::ATTR_NAME_CACHE_BOARD_PRESENT,
                   board ? Facts::ATTR_VALUE_CACHE_BOARD_PRESENT_TRUE : Facts::ATTR_VALUE_CACHE_BOARD_PRESENT_FALSE);
    publishReading(device, Facts::ATTR_NAME_CACHE_STATUS, entryOf(kCacheStatus, status));
    clearReading(device, Facts::ATTR_NAME_CACHE_STATE);
    if (status != 0 && code != 0)
        publishReading(device, Facts::ATTR_NAME_CACHE_STATE, entryOf(kCacheState, code - 1));
    for (const char* name :
         {Facts::ATTR_NAME_CACHE_SIZE_TOTAL, Facts::ATTR_NAME_CACHE_SIZE_READ, Facts::ATTR_NAME_CACHE_SIZE_WRITE,
          Facts::ATTR_NAME_CACHE_SIZE_TOTAL_BBBWC, Facts::ATTR_NAME_CACHE_SIZE_TOTAL_NON_BBBWC})
        clearReading(device, name);
    if (board)
        publishCacheSizes(device, cache);
    publishReading(device, Facts::ATTR_NAME_CACHE_PARITY_READ_ERRORS, static_cast<unsigned>(cache.wParityReadErrors));
    publishReading(device, Facts::ATTR_NAME_CACHE_PARITY_WRITE_ERRORS, static_cast<unsigned>(cache.wParityWriteErrors));
    publishBatteryInfo(device, cache);
    publishCacheRatioInfo(device, cache);
}

void publishCacheRatioInfo(Core::Device& device, const CACHE_CONFIG_STATUS& cache)
{
    const unsigned read = cache.bPercentReadCache, write = cache.bPercentWriteCache;
    const unsigned defaultRead = cache.bDefaultPercentReadCache, defaultWrite = cache.bDefaultPercentWriteCache;
    clearReading(device, Facts::ATTR_NAME_CACHE_RATIO);
    clearReading(device, Facts::ATTR_NAME_DEFAULT_CACHE_RATIO);
    if (read + write == 100)
        publishReading(device, Facts::ATTR_NAME_CACHE_RATIO, cacheRatio(read, write));
    if (defaultRead != 0 || defaultWrite != 0)
        publishReading(device, Facts::ATTR_NAME_DEFAULT_CACHE_RATIO, cacheRatio(defaultRead, defaultWrite));
}

void publishParameterInfo(Core::Device& device, const CONTROLLER_PARAMETERS& parameters)
{
    publishReading(device, Facts::ATTR_NAME_REBUILD_PRIORITY,
                   priority(parameters.bRebuildPriority, Facts::ATTR_VALUE_REBUILD_PRIORITY_HIGH,
                            Facts::ATTR_VALUE_REBUILD_PRIORITY_MEDIUM, Facts::ATTR_VALUE_REBUILD_PRIORITY_LOW));
    publishReading(device, Facts::ATTR_NAME_EXPAND_PRIORITY,
                   priority(parameters.bExpandPriority, Facts::ATTR_VALUE_EXPAND_PRIORITY_HIGH,
                            Facts::ATTR_VALUE_EXPAND_PRIORITY_MEDIUM, Facts::ATTR_VALUE_EXPAND_PRIORITY_LOW));
}

void publishSurfaceStatusInfo(Core::Device& device, const SURFACE_STATUS& surface)
{
    // The controller counts the delay in tenths of a second.
    const unsigned tenths = surface.wSurfaceDelay;
    publishReading(device, Facts::ATTR_NAME_SURFACE_ANALYSIS_DELAY, Conversion::toString(tenths / 10.0));
}

Core::CapabilityPtr closedCapabilityClass(const char* name, const char* const* first, const char* const* last,
                                          const Common::string& current, const Common::string& preset)
{
    Core::CapabilityPtr list(new Core::CapabilityClass(name, ATTR_VALUE_INSTANCE_TYPE_STRING,
                                                       ATTR_VALUE_CARDINALITY_SINGLE, ATTR_VALUE_ACTION_ABSOLUTE,
                                                       ATTR_VALUE_INSTANCE_RANGE_CLOSED));
    for (const char* const* value = first; value != last; ++value)
        list->Subscribe(Core::CapabilityPtr(new Core::CapabilityInstance(*value, preset == *value, current == *value)));
    return list;
}

Common::string cacheRatio(unsigned readPercent, unsigned writePercent)
{
    const Common::string ratio =
        Common::string("ATTR_VALUE_CACHE_RATIO_") + decimal(readPercent) + "_" + decimal(writePercent);
    for (const char* listed : kCacheRatios)
        if (ratio == listed)
            return ratio;
    return Common::string();
}

unsigned long long cacheBlocks(unsigned megabytes, unsigned shiftFactor)
{
    // A shift beyond the width of the size field cannot be meant; it reads as no size.
    if (shiftFactor > 16)
        return 0;
    return (static_cast<unsigned long long>(megabytes) << shiftFactor) * Conversion::SizeConvert::BLOCKS_PER_MB;
}

bool supportsOver2TB(const Core::Device& below)
{
    const Core::DeviceLock lock(below);
    for (const Core::Device* device = below.parentDevice(); device != nullptr; device = device->parentDevice()) {
        if (const auto* controller = Common::fastCast<const Schema::ArrayController>(device))
            return controller->over2TBSupport();
        const Common::Any flags = device->getPrivateValueFor(PRIVATE_CONTROLLER_FLAGS);
        if (const unsigned* value = flags.get<unsigned>())
            return (*value & CONTROLLER_FLAG_OVER_2TB) != 0;
    }
    return false;
}

Core::CapabilityPtr raidCapability(const Core::Device& device)
{
    const unsigned flags = controllerFlags(device);
    std::vector<const char*> levels = {DriveFacts::ATTR_VALUE_RAID_0, DriveFacts::ATTR_VALUE_RAID_1};
    if ((flags & CONTROLLER_FLAG_RAID_5) != 0)
        levels.insert(levels.end(), {DriveFacts::ATTR_VALUE_RAID_4, DriveFacts::ATTR_VALUE_RAID_5});
    if ((flags & CONTROLLER_FLAG_RAID_6) != 0)
        levels.push_back(DriveFacts::ATTR_VALUE_RAID_6);
    return closedCapabilityClass(DriveFacts::ATTR_NAME_RAID, levels.data(), levels.data() + levels.size(),
                                 Common::string(), Common::string());
}

Core::CapabilityPtr controllerCapability(const Core::Device& device)
{
    Core::CapabilityPtr root(new Core::Capability());
    root->Subscribe(raidCapability(device));
    root->Subscribe(stripeClass());
    if (device.getValueFor(Facts::ATTR_NAME_CACHE_BOARD_PRESENT) == Facts::ATTR_VALUE_CACHE_BOARD_PRESENT_TRUE)
        root->Subscribe(closedCapabilityClass(Facts::ATTR_NAME_CACHE_RATIO, std::begin(kCacheRatios),
                                              std::end(kCacheRatios), device.getValueFor(Facts::ATTR_NAME_CACHE_RATIO),
                                              device.getValueFor(Facts::ATTR_NAME_DEFAULT_CACHE_RATIO)));
    const char* const rebuild[] = {Facts::ATTR_VALUE_REBUILD_PRIORITY_HIGH, Facts::ATTR_VALUE_REBUILD_PRIORITY_MEDIUM,
                                   Facts::ATTR_VALUE_REBUILD_PRIORITY_LOW};
    const char* const expand[] = {Facts::ATTR_VALUE_EXPAND_PRIORITY_HIGH, Facts::ATTR_VALUE_EXPAND_PRIORITY_MEDIUM,
                                  Facts::ATTR_VALUE_EXPAND_PRIORITY_LOW};
    root->Subscribe(closedCapabilityClass(Facts::ATTR_NAME_REBUILD_PRIORITY, std::begin(rebuild), std::end(rebuild),
                                          device.getValueFor(Facts::ATTR_NAME_REBUILD_PRIORITY), rebuild[2]));
    root->Subscribe(closedCapabilityClass(Facts::ATTR_NAME_EXPAND_PRIORITY, std::begin(expand), std::end(expand),
                                          device.getValueFor(Facts::ATTR_NAME_EXPAND_PRIORITY), expand[2]));
    root->Subscribe(surfaceDelayClass(device.getValueFor(Facts::ATTR_NAME_SURFACE_ANALYSIS_DELAY)));
    return root;
}

} // namespace Operations
