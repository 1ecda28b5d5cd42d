// bmictraits - one trait per BMIC command: its opcode (command()), its
// buffer type (BufferType) and ProcessBuffer, which converts the buffer's
// multi-byte fields between the controller's order and the host's
// (direction 0 after data came from the controller, 1 before data goes to
// it). Whether a command is a controller, logical-drive or physical-drive
// command, and which way its data moves, is chosen by the command template
// it is used with (bmiccommands.h).
#ifndef CONTROLLER_BMICTRAITS_H
#define CONTROLLER_BMICTRAITS_H

#include <cstddef>
#include <cstdint>

#include "controller/bmicbyteorder.h"
#include "controller/bmiclayouts.h"

// The buffer of a command that moves no data.
struct NoBuffer {};

// A buffer without an entry in the layout table does not compile here.
template <BmicBuffer Buffer, std::uint8_t opcode, std::size_t size>
struct BmicTrait {
    static_assert(sizeof(Buffer) == size, "buffer size of the command");
    using BufferType = Buffer;
    static constexpr std::uint8_t command() { return opcode; }
    static void ProcessBuffer(BufferType& buffer, int /*direction*/) { ConvertByteOrder(buffer); }
};

template <std::uint8_t opcode>
struct NoTransferTrait {
    using BufferType = NoBuffer;
    static constexpr std::uint8_t command() { return opcode; }
    static void ProcessBuffer(BufferType&, int) {}
};

// clang-format off
struct IdentifyLogicalDriveTrait : BmicTrait<IDENTIFY_LOGICAL_DRIVE, 0x10, 512> {};
struct IdentifyControllerTrait : BmicTrait<IDENTIFY_CONTROLLER, 0x11, 512> {};
struct SenseLogicalDriveStatusTrait : BmicTrait<LOGICAL_DRIVE_STATUS, 0x12, 1024> {};
struct IdentifyPhysicalDriveTrait : BmicTrait<PHYSICAL_DRIVE_STATUS, 0x15, 1536> {};
struct SetMaintenanceTrait : BmicTrait<MAINTENANCE_OPERATION, 0x16, 512> {};
struct SenseMaintenanceTrait : BmicTrait<MAINTENANCE_OPERATION, 0x17, 512> {};
struct ReadLogicalDriveTrait : BmicTrait<READ_WRITE_BUFFER, 0x20, 512> {};
struct WriteLogicalDriveTrait : BmicTrait<READ_WRITE_BUFFER, 0x30, 512> {};
struct SenseLogicalDriveConfigurationTrait : BmicTrait<LOGICAL_DRIVE_CONFIG, 0x50, 512> {};
struct SetLogicalDriveConfigurationTrait : BmicTrait<LOGICAL_DRIVE_CONFIG, 0x51, 512> {};
struct BypassVolumeStateTrait : NoTransferTrait<0x52> {};
struct ChangeLogicalDriveConfigurationTrait : BmicTrait<LOGICAL_DRIVE_CONFIG, 0x54, 512> {};
struct ReorderLogicalDriveTrait : BmicTrait<REORDER_LOGICAL_DRIVES, 0x56, 32> {};
struct LabelLogicalDriveTrait : BmicTrait<LABEL_LOGICAL_DRIVE, 0x57, 512> {};
struct SenseExpansionAbilityTrait : BmicTrait<SENSE_EXPANSION_ABILITY, 0x59, 512> {};
struct MirrorDrivePairInfoTrait : BmicTrait<MIRROR_DRIVE_PAIR_INFO, 0x5D, 512> {};
struct JoinSplitLogicalDriveTrait : BmicTrait<LOGICAL_DRIVE_CONFIG, 0x5E, 512> {};
struct SetSurfaceAnalysisDelayTrait : BmicTrait<SURFACE_DELAY, 0x60, 512> {};
struct SetControllerParametersTrait : BmicTrait<CONTROLLER_PARAMETERS, 0x63, 512> {};
struct SenseControllerParametersTrait : BmicTrait<CONTROLLER_PARAMETERS, 0x64, 512> {};
struct SenseBusParametersTrait : BmicTrait<SENSE_BUS_PARAMETERS, 0x65, 512> {};
struct SenseSubsystemInformationTrait : BmicTrait<SUBSYSTEM_PARAMETERS, 0x66, 1024> {};
struct SenseExternalBoxParametersTrait : BmicTrait<EXTERNAL_BOX_PARAMETERS, 0x67, 512> {};
struct SenseSurfaceStatusTrait : BmicTrait<SURFACE_STATUS, 0x70, 1536> {};
struct SetRedundantParameterTrait : BmicTrait<REDUNDANT_CONTROLLER_PARAMETERS, 0x81, 512> {};
struct SenseRedundantParameterTrait : BmicTrait<REDUNDANT_CONTROLLER_PARAMETERS, 0x82, 512> {};
struct DisableOtherControllerTrait : NoTransferTrait<0x89> {};
struct PassThroughSpecialInquiryTrait : BmicTrait<PASS_THROUGH_SPECIAL_INQUIRY, 0x92, 802> {};
struct SenseMNPStatisticsTrait : BmicTrait<SENSE_MNP_STATISTICS, 0xA0, 256> {};
struct SenseMNPViolationsTrait : BmicTrait<SENSE_MNP_VIOLATIONS, 0xA3, 256> {};
struct MNPParameterControlTrait : BmicTrait<MNP_PARAMETER_CONTROL, 0xA4, 128> {};
struct ReadVolumeProfileDataTrait : BmicTrait<VOLUME_PROFILE_DATA_TOTAL, 0xAD, 24368> {};
struct SetControllerCacheConfigStatusTrait : BmicTrait<CACHE_CONFIG_STATUS, 0xC0, 512> {};
struct SenseControllerCacheConfigStatusTrait : BmicTrait<CACHE_CONFIG_STATUS, 0xC1, 512> {};
struct FlushDisableCacheTrait : BmicTrait<FLUSH_DISABLE_CACHE, 0xC2, 512> {};
struct LockManagementTrait : BmicTrait<std::uint32_t, 0xD4, 4> {};
struct WriteServerNameTrait : BmicTrait<CONNECTION_NAME_INTIATORID_ENTRIES, 0xD6, 2048> {};
struct ReadServerNameTrait : BmicTrait<CONNECTION_NAME_INTIATORID_ENTRIES, 0xD7, 2048> {};
struct AcceptMediaExchangeTrait : NoTransferTrait<0xE0> {};
struct FailPhysicalDriveTrait : BmicTrait<FAIL_PHYSICAL_DRIVE_OPERATION, 0xF1, 512> {};
// clang-format on

#endif
