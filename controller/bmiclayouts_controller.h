// Controller-wide buffers: identity, settings, cache, redundancy, surface scan, LEDs, events.
//
// Each record is packed and little-endian, exactly as the controller exchanges it; the
// static_asserts pin every field to its byte offset and every record to its size. Many fields
// are unaligned: copy them into locals, never bind references or pointers to them (test macros
// that take their arguments by reference included). Self-contained on purpose, so the simulated
// controller library can use the same records without linking the tool.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// Buffer of a command that carries no meaningful data.
struct NO_PAYLOAD {
    std::uint8_t EMPTY[512];
};
static_assert(offsetof(NO_PAYLOAD, EMPTY) == 0);
static_assert(sizeof(NO_PAYLOAD) == 512);

// Placeholder buffer for commands whose data the tool ignores.
struct DUMMY_PAYLOAD {
    std::uint8_t EMPTY[512];
};
static_assert(offsetof(DUMMY_PAYLOAD, EMPTY) == 0);
static_assert(sizeof(DUMMY_PAYLOAD) == 512);

// Raw diagnostic collection buffer.
struct COLLECT_BUFFER_PAYLOAD {
    std::uint8_t ARRAY[8192];
};
static_assert(offsetof(COLLECT_BUFFER_PAYLOAD, ARRAY) == 0);
static_assert(sizeof(COLLECT_BUFFER_PAYLOAD) == 8192);

// Fault injection request for controller testing.
struct INJECT_FAULT {
    std::uint32_t dwTimeToFirstFault;
    std::uint32_t dwTimeBetweenFaults;
    std::uint32_t dwFailureTypes;
    std::uint32_t dwErrorTypes;
    std::uint32_t dwBusBitMap;
    std::uint8_t pbDriveBitmap[16];
    std::uint8_t reserved[2];
    std::uint8_t bCAMStatus;
    std::uint8_t bSCSIStatus;
    std::uint8_t bSenseKey;
    std::uint8_t bSenseCode;
    std::uint8_t bSenseCodeQualifier;
    std::uint8_t bSenseByte0;
    std::uint32_t dwSenseDataInfo;
};
static_assert(offsetof(INJECT_FAULT, dwTimeToFirstFault) == 0);
static_assert(offsetof(INJECT_FAULT, dwTimeBetweenFaults) == 4);
static_assert(offsetof(INJECT_FAULT, dwFailureTypes) == 8);
static_assert(offsetof(INJECT_FAULT, dwErrorTypes) == 12);
static_assert(offsetof(INJECT_FAULT, dwBusBitMap) == 16);
static_assert(offsetof(INJECT_FAULT, pbDriveBitmap) == 20);
static_assert(offsetof(INJECT_FAULT, reserved) == 36);
static_assert(offsetof(INJECT_FAULT, bCAMStatus) == 38);
static_assert(offsetof(INJECT_FAULT, bSCSIStatus) == 39);
static_assert(offsetof(INJECT_FAULT, bSenseKey) == 40);
static_assert(offsetof(INJECT_FAULT, bSenseCode) == 41);
static_assert(offsetof(INJECT_FAULT, bSenseCodeQualifier) == 42);
static_assert(offsetof(INJECT_FAULT, bSenseByte0) == 43);
static_assert(offsetof(INJECT_FAULT, dwSenseDataInfo) == 44);
static_assert(sizeof(INJECT_FAULT) == 48);

// Request that corrupts bytes of one block to simulate a media defect.
struct MARK_BAD_SECTOR {
    std::uint8_t bDriveNumber;
    std::uint8_t bBytesToInvert;
    std::uint16_t wStartingByteToInvert;
    std::uint32_t dwTargetBlock;
};
static_assert(offsetof(MARK_BAD_SECTOR, bDriveNumber) == 0);
static_assert(offsetof(MARK_BAD_SECTOR, bBytesToInvert) == 1);
static_assert(offsetof(MARK_BAD_SECTOR, wStartingByteToInvert) == 2);
static_assert(offsetof(MARK_BAD_SECTOR, dwTargetBlock) == 4);
static_assert(sizeof(MARK_BAD_SECTOR) == 8);

// Free-form controller message text.
struct MESSAGE {
    std::uint8_t pMessage[256];
};
static_assert(offsetof(MESSAGE, pMessage) == 0);
static_assert(sizeof(MESSAGE) == 256);

// Redundancy mode, state and path preferences of a controller pair (0x81, 0x82).
struct REDUNDANT_CONTROLLER_PARAMETERS {
    std::uint8_t bControllerModesSupported;
    std::uint8_t bCurrentMode;
    std::uint8_t bControllerStatus;
    std::uint8_t bFailureReason;
    std::uint32_t dwWarningCodes;
    std::uint8_t bSlotControl;
    std::uint8_t bLinkedIRQ;
    std::uint16_t wLinked16bitIOAddress;
    std::uint32_t dwLinkedMemoryAddress;
    char sCurrentControllerIdentifier[32];
    char sLinkedControllerIdentifier[32];
    char sCommonControllerIdentifier[32];
    std::uint8_t bCurrentControllerType;
    std::uint8_t bLinkedControllerType;
    std::uint16_t wAdditionalFlags;
    std::uint32_t dwLinked32bitIOAddress;
    std::uint8_t pbPhysicalSlots[2];
    std::uint8_t pbControllerOrder[2];
    std::uint32_t dwCurrentLunOwnership;
    std::uint32_t dwPrefferedLunOwnership;
    std::uint8_t bMinimumPercentProxiedRequests;
    std::uint8_t bMinimumRequestsForImplicitPathChange;
    std::uint8_t bMinimumPathOwnershipTimeAfterBoot;
    std::uint8_t bMinimumPathOwnershipTimeAfterPathChange;
    std::uint8_t reserved1[376];
};
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bControllerModesSupported) == 0);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bCurrentMode) == 1);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bControllerStatus) == 2);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bFailureReason) == 3);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, dwWarningCodes) == 4);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bSlotControl) == 8);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bLinkedIRQ) == 9);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, wLinked16bitIOAddress) == 10);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, dwLinkedMemoryAddress) == 12);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, sCurrentControllerIdentifier) == 16);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, sLinkedControllerIdentifier) == 48);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, sCommonControllerIdentifier) == 80);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bCurrentControllerType) == 112);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bLinkedControllerType) == 113);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, wAdditionalFlags) == 114);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, dwLinked32bitIOAddress) == 116);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, pbPhysicalSlots) == 120);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, pbControllerOrder) == 122);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, dwCurrentLunOwnership) == 124);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, dwPrefferedLunOwnership) == 128);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bMinimumPercentProxiedRequests) == 132);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bMinimumRequestsForImplicitPathChange) == 133);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bMinimumPathOwnershipTimeAfterBoot) == 134);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, bMinimumPathOwnershipTimeAfterPathChange) == 135);
static_assert(offsetof(REDUNDANT_CONTROLLER_PARAMETERS, reserved1) == 136);
static_assert(sizeof(REDUNDANT_CONTROLLER_PARAMETERS) == 512);

// Drive monitoring sampling period.
struct MNP_DELAY {
    std::uint16_t wPeriod;
    std::uint8_t reserved[510];
};
static_assert(offsetof(MNP_DELAY, wPeriod) == 0);
static_assert(offsetof(MNP_DELAY, reserved) == 2);
static_assert(sizeof(MNP_DELAY) == 512);

// Flush and disable the controller cache (0xC2).
struct FLUSH_DISABLE_CACHE {
    std::uint16_t wDisableFlag;
    std::uint8_t reserved[510];
};
static_assert(offsetof(FLUSH_DISABLE_CACHE, wDisableFlag) == 0);
static_assert(offsetof(FLUSH_DISABLE_CACHE, reserved) == 2);
static_assert(sizeof(FLUSH_DISABLE_CACHE) == 512);

// Background surface scan state per drive (0x70).
struct SURFACE_STATUS {
    std::uint16_t wCurrentDrive;
    std::uint8_t pbCurrentHead[32];
    std::uint16_t pwCurrentCylinder[32];
    std::uint16_t wTimerRemaining;
    std::uint16_t wSurfaceDelay;
    std::uint32_t pdwCurrentBlock[32];
    std::uint8_t pbSurfaceAnalysisStatus[8];
    std::uint32_t pdwInconsistentBlock[8];
    std::uint32_t pdwSurfaceAnalysisPassTime[32];
    std::uint32_t pdwSurfaceAnalysisPasses[32];
    std::uint16_t pwControllerResets[32];
    std::uint32_t pdwBlocksReassigned[32];
    std::uint32_t pdwBigCurrentBlock[128];
    std::uint8_t pbBigSurfaceAnalysisStatus[32];
    std::uint32_t pdwBigInconsistentBlock[32];
    std::uint16_t wCurrentVolume;
    std::uint8_t bInitializationPercentageComplete;
    std::uint8_t reserved2;
    std::uint16_t wOffsetToExtendedSurfaceAnalysisStatus;
    std::uint16_t wOffsetToExtendedSurfaceAnalysisPassTime;
    std::uint16_t wOffsetToExtendedSurfaceAnalysisPassCount;
    std::uint16_t wOffsetToExtendedControllerResets;
    std::uint16_t wOffsetToExtendedBlocksReassigned;
    std::uint16_t wOffsetToExtendedInconsistentBlock;
    std::uint16_t wOffsetToExtendedCurrentBlock;
    std::uint8_t reserved1[128];
};
static_assert(offsetof(SURFACE_STATUS, wCurrentDrive) == 0);
static_assert(offsetof(SURFACE_STATUS, pbCurrentHead) == 2);
static_assert(offsetof(SURFACE_STATUS, pwCurrentCylinder) == 34);
static_assert(offsetof(SURFACE_STATUS, wTimerRemaining) == 98);
static_assert(offsetof(SURFACE_STATUS, wSurfaceDelay) == 100);
static_assert(offsetof(SURFACE_STATUS, pdwCurrentBlock) == 102);
static_assert(offsetof(SURFACE_STATUS, pbSurfaceAnalysisStatus) == 230);
static_assert(offsetof(SURFACE_STATUS, pdwInconsistentBlock) == 238);
static_assert(offsetof(SURFACE_STATUS, pdwSurfaceAnalysisPassTime) == 270);
static_assert(offsetof(SURFACE_STATUS, pdwSurfaceAnalysisPasses) == 398);
static_assert(offsetof(SURFACE_STATUS, pwControllerResets) == 526);
static_assert(offsetof(SURFACE_STATUS, pdwBlocksReassigned) == 590);
static_assert(offsetof(SURFACE_STATUS, pdwBigCurrentBlock) == 718);
static_assert(offsetof(SURFACE_STATUS, pbBigSurfaceAnalysisStatus) == 1230);
static_assert(offsetof(SURFACE_STATUS, pdwBigInconsistentBlock) == 1262);
static_assert(offsetof(SURFACE_STATUS, wCurrentVolume) == 1390);
static_assert(offsetof(SURFACE_STATUS, bInitializationPercentageComplete) == 1392);
static_assert(offsetof(SURFACE_STATUS, reserved2) == 1393);
static_assert(offsetof(SURFACE_STATUS, wOffsetToExtendedSurfaceAnalysisStatus) == 1394);
static_assert(offsetof(SURFACE_STATUS, wOffsetToExtendedSurfaceAnalysisPassTime) == 1396);
static_assert(offsetof(SURFACE_STATUS, wOffsetToExtendedSurfaceAnalysisPassCount) == 1398);
static_assert(offsetof(SURFACE_STATUS, wOffsetToExtendedControllerResets) == 1400);
static_assert(offsetof(SURFACE_STATUS, wOffsetToExtendedBlocksReassigned) == 1402);
static_assert(offsetof(SURFACE_STATUS, wOffsetToExtendedInconsistentBlock) == 1404);
static_assert(offsetof(SURFACE_STATUS, wOffsetToExtendedCurrentBlock) == 1406);
static_assert(offsetof(SURFACE_STATUS, reserved1) == 1408);
static_assert(sizeof(SURFACE_STATUS) == 1536);

// Idle time before the surface scan starts (0x60).
struct SURFACE_DELAY {
    std::uint16_t wDelay;
    std::uint8_t reserved[510];
};
static_assert(offsetof(SURFACE_DELAY, wDelay) == 0);
static_assert(offsetof(SURFACE_DELAY, reserved) == 2);
static_assert(sizeof(SURFACE_DELAY) == 512);

// Controller identity, limits and drive bitmaps (0x11); read by nearly all discovery.
struct IDENTIFY_CONTROLLER {
    std::uint8_t bConfiguredLogicalDrives;
    std::uint32_t dwConfigurationSignature;
    char sRAMFirmwareRev[4];
    char sROMFirmwareRev[4];
    std::uint8_t bHardwareRevision;
    char sBootBlockRevision[4];
    std::uint32_t dwDrivePresentBitmap;
    std::uint32_t dwExternalDriveBitmap;
    std::uint32_t dwBoardID;
    std::uint8_t bSwappedCables;
    std::uint32_t dwNonDiskMap;
    std::uint8_t bBadHostRAMAddr;
    std::uint8_t bCPURev;
    std::uint8_t bPDPIRev;
    std::uint8_t bEPICRev;
    std::uint8_t bWCXCRev;
    char cMarketingRevision;
    std::uint8_t bControllerFlags;
    std::uint8_t bHostFlags;
    std::uint8_t bExpandDisableCode;
    std::uint8_t bSCSIChipCount;
    std::uint32_t dwMaximumBlocks;
    std::uint32_t dwControllerClock;
    std::uint8_t bDrivesPerBus;
    std::uint8_t pbBigDrivePresentBitmap[16];
    std::uint8_t pbBigExternalDriveBitmap[16];
    std::uint8_t pbBigNonDiskBitmap[16];
    std::uint16_t wTaskFlags;
    std::uint8_t bBussesForICL;
    std::uint8_t bRedCtlrModesSupported;
    std::uint8_t bCurrentRedMode;
    std::uint8_t bRedCtlrStatus;
    std::uint8_t bRedOperationFailureReason;
    std::uint8_t bUnsupportedNILEBusses;
    std::uint8_t bHostI2CAutorev;
    std::uint8_t bCPLDRevision;
    std::uint8_t bFibreChipCount;
    std::uint8_t bDaughterboardType;
    std::uint8_t bMoreSwappedCables;
    std::uint8_t bUnused; // not interpreted by the tool
    std::uint8_t bAccessModuleStatus;
    std::uint8_t pbFeaturesSupported[12];
    char sROMInactiveRev[4];
    std::uint8_t bActiveROMStatus;
    std::uint8_t bPPCtoPCIBridgeStatus;
    std::uint32_t dwRedundantServerInfo;
    std::uint8_t bPercentWriteCache;
    std::uint16_t wDaughterboardSizeInMB;
    std::uint8_t bCacheBatteryCount;
    std::uint16_t wTotalAvailableMemorySize;
    std::uint8_t bMoreControllerFlags;
    std::uint8_t bXBoardHostI2CAutorev;
    std::uint8_t bBatteryPICRev;
    char sDDFFVersion[4];
    std::uint16_t wMaximumLogicalUnitsSupported;
    std::uint16_t wExtendedLogicalUnitCount;
    std::uint16_t wMaximumPhysicalDevicesSupported;
    std::uint16_t wMaximumPhysicalDrivesPerLogicalUnit;
    std::uint8_t bEnclosureCount;
    std::uint8_t bExpanderCount;
    std::uint16_t wOffsetToExtendedDrivePresentBitmap;
    std::uint16_t wOffsetToExtendedExternalDrivePresentBitmap;
    std::uint16_t wOffsetToExtendedNonDiskBitmap;
    std::uint8_t bInternalPortStatus[8];
    std::uint8_t bExternalPortStatus[8];
    std::uint32_t dwYetMoreControllerFlags;
    std::uint8_t bLastLockup;
    std::uint8_t reserved2[3];
    std::uint32_t dwMaximumSafeFullStripeSizeMB;
    std::uint8_t reserved1[316];
};
static_assert(offsetof(IDENTIFY_CONTROLLER, bConfiguredLogicalDrives) == 0);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwConfigurationSignature) == 1);
static_assert(offsetof(IDENTIFY_CONTROLLER, sRAMFirmwareRev) == 5);
static_assert(offsetof(IDENTIFY_CONTROLLER, sROMFirmwareRev) == 9);
static_assert(offsetof(IDENTIFY_CONTROLLER, bHardwareRevision) == 13);
static_assert(offsetof(IDENTIFY_CONTROLLER, sBootBlockRevision) == 14);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwDrivePresentBitmap) == 18);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwExternalDriveBitmap) == 22);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwBoardID) == 26);
static_assert(offsetof(IDENTIFY_CONTROLLER, bSwappedCables) == 30);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwNonDiskMap) == 31);
static_assert(offsetof(IDENTIFY_CONTROLLER, bBadHostRAMAddr) == 35);
static_assert(offsetof(IDENTIFY_CONTROLLER, bCPURev) == 36);
static_assert(offsetof(IDENTIFY_CONTROLLER, bPDPIRev) == 37);
static_assert(offsetof(IDENTIFY_CONTROLLER, bEPICRev) == 38);
static_assert(offsetof(IDENTIFY_CONTROLLER, bWCXCRev) == 39);
static_assert(offsetof(IDENTIFY_CONTROLLER, cMarketingRevision) == 40);
static_assert(offsetof(IDENTIFY_CONTROLLER, bControllerFlags) == 41);
static_assert(offsetof(IDENTIFY_CONTROLLER, bHostFlags) == 42);
static_assert(offsetof(IDENTIFY_CONTROLLER, bExpandDisableCode) == 43);
static_assert(offsetof(IDENTIFY_CONTROLLER, bSCSIChipCount) == 44);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwMaximumBlocks) == 45);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwControllerClock) == 49);
static_assert(offsetof(IDENTIFY_CONTROLLER, bDrivesPerBus) == 53);
static_assert(offsetof(IDENTIFY_CONTROLLER, pbBigDrivePresentBitmap) == 54);
static_assert(offsetof(IDENTIFY_CONTROLLER, pbBigExternalDriveBitmap) == 70);
static_assert(offsetof(IDENTIFY_CONTROLLER, pbBigNonDiskBitmap) == 86);
static_assert(offsetof(IDENTIFY_CONTROLLER, wTaskFlags) == 102);
static_assert(offsetof(IDENTIFY_CONTROLLER, bBussesForICL) == 104);
static_assert(offsetof(IDENTIFY_CONTROLLER, bRedCtlrModesSupported) == 105);
static_assert(offsetof(IDENTIFY_CONTROLLER, bCurrentRedMode) == 106);
static_assert(offsetof(IDENTIFY_CONTROLLER, bRedCtlrStatus) == 107);
static_assert(offsetof(IDENTIFY_CONTROLLER, bRedOperationFailureReason) == 108);
static_assert(offsetof(IDENTIFY_CONTROLLER, bUnsupportedNILEBusses) == 109);
static_assert(offsetof(IDENTIFY_CONTROLLER, bHostI2CAutorev) == 110);
static_assert(offsetof(IDENTIFY_CONTROLLER, bCPLDRevision) == 111);
static_assert(offsetof(IDENTIFY_CONTROLLER, bFibreChipCount) == 112);
static_assert(offsetof(IDENTIFY_CONTROLLER, bDaughterboardType) == 113);
static_assert(offsetof(IDENTIFY_CONTROLLER, bMoreSwappedCables) == 114);
static_assert(offsetof(IDENTIFY_CONTROLLER, bUnused) == 115);
static_assert(offsetof(IDENTIFY_CONTROLLER, bAccessModuleStatus) == 116);
static_assert(offsetof(IDENTIFY_CONTROLLER, pbFeaturesSupported) == 117);
static_assert(offsetof(IDENTIFY_CONTROLLER, sROMInactiveRev) == 129);
static_assert(offsetof(IDENTIFY_CONTROLLER, bActiveROMStatus) == 133);
static_assert(offsetof(IDENTIFY_CONTROLLER, bPPCtoPCIBridgeStatus) == 134);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwRedundantServerInfo) == 135);
static_assert(offsetof(IDENTIFY_CONTROLLER, bPercentWriteCache) == 139);
static_assert(offsetof(IDENTIFY_CONTROLLER, wDaughterboardSizeInMB) == 140);
static_assert(offsetof(IDENTIFY_CONTROLLER, bCacheBatteryCount) == 142);
static_assert(offsetof(IDENTIFY_CONTROLLER, wTotalAvailableMemorySize) == 143);
static_assert(offsetof(IDENTIFY_CONTROLLER, bMoreControllerFlags) == 145);
static_assert(offsetof(IDENTIFY_CONTROLLER, bXBoardHostI2CAutorev) == 146);
static_assert(offsetof(IDENTIFY_CONTROLLER, bBatteryPICRev) == 147);
static_assert(offsetof(IDENTIFY_CONTROLLER, sDDFFVersion) == 148);
static_assert(offsetof(IDENTIFY_CONTROLLER, wMaximumLogicalUnitsSupported) == 152);
static_assert(offsetof(IDENTIFY_CONTROLLER, wExtendedLogicalUnitCount) == 154);
static_assert(offsetof(IDENTIFY_CONTROLLER, wMaximumPhysicalDevicesSupported) == 156);
static_assert(offsetof(IDENTIFY_CONTROLLER, wMaximumPhysicalDrivesPerLogicalUnit) == 158);
static_assert(offsetof(IDENTIFY_CONTROLLER, bEnclosureCount) == 160);
static_assert(offsetof(IDENTIFY_CONTROLLER, bExpanderCount) == 161);
static_assert(offsetof(IDENTIFY_CONTROLLER, wOffsetToExtendedDrivePresentBitmap) == 162);
static_assert(offsetof(IDENTIFY_CONTROLLER, wOffsetToExtendedExternalDrivePresentBitmap) == 164);
static_assert(offsetof(IDENTIFY_CONTROLLER, wOffsetToExtendedNonDiskBitmap) == 166);
static_assert(offsetof(IDENTIFY_CONTROLLER, bInternalPortStatus) == 168);
static_assert(offsetof(IDENTIFY_CONTROLLER, bExternalPortStatus) == 176);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwYetMoreControllerFlags) == 184);
static_assert(offsetof(IDENTIFY_CONTROLLER, bLastLockup) == 188);
static_assert(offsetof(IDENTIFY_CONTROLLER, reserved2) == 189);
static_assert(offsetof(IDENTIFY_CONTROLLER, dwMaximumSafeFullStripeSizeMB) == 192);
static_assert(offsetof(IDENTIFY_CONTROLLER, reserved1) == 196);
static_assert(sizeof(IDENTIFY_CONTROLLER) == 512);

// Controller settings, chassis name and access id (0x63, 0x64).
struct CONTROLLER_PARAMETERS {
    std::uint8_t bLEDFlag;
    std::uint8_t bCmdListVerification;
    std::uint8_t bBackedOutWriteDrives;
    std::uint16_t wParityStripes;
    std::uint8_t bParityDistributionMode;
    std::uint16_t wMaxDriverRequests;
    std::uint16_t wElevatorTrend;
    std::uint8_t bElevatorState;
    std::uint8_t bForceScanComplete;
    std::uint8_t bForceAsynch;
    std::uint8_t bForceNarrow;
    std::uint8_t bRebuildPriority;
    std::uint8_t bExpandPriority;
    std::uint8_t bHostSdbASICFix;
    std::uint8_t bPDPIBurstDisabled;
    char sSoftwareName[64];
    char sHardwareName[32];
    std::uint8_t bBridgeRevision;
    std::uint8_t bSnapshotPriority;
    std::uint32_t dwOSSpecific;
    std::uint8_t bPOSTPromptTimeout;
    std::uint8_t bAutomaticDriveSlamming;
    std::uint8_t bSetActiveStandbyMode;
    std::uint8_t bNVRAMFlags;
    std::uint8_t bCacheNVRAMFlags;
    std::uint8_t bDriveConfigurationFlags;
    std::uint8_t reserved2[2];
    std::uint8_t bOverTemperatureWarning;
    std::uint8_t bOverTemperatureShutdown;
    std::uint8_t bOverTemperatureConditionCancelled;
    std::uint8_t bMaxCoalesceCommands;
    std::uint32_t dwMaxCoalesceDelay;
    char sVELTPassword[4];
    char sAccessID[16];
    std::uint8_t reserved1[356];
};
static_assert(offsetof(CONTROLLER_PARAMETERS, bLEDFlag) == 0);
static_assert(offsetof(CONTROLLER_PARAMETERS, bCmdListVerification) == 1);
static_assert(offsetof(CONTROLLER_PARAMETERS, bBackedOutWriteDrives) == 2);
static_assert(offsetof(CONTROLLER_PARAMETERS, wParityStripes) == 3);
static_assert(offsetof(CONTROLLER_PARAMETERS, bParityDistributionMode) == 5);
static_assert(offsetof(CONTROLLER_PARAMETERS, wMaxDriverRequests) == 6);
static_assert(offsetof(CONTROLLER_PARAMETERS, wElevatorTrend) == 8);
static_assert(offsetof(CONTROLLER_PARAMETERS, bElevatorState) == 10);
static_assert(offsetof(CONTROLLER_PARAMETERS, bForceScanComplete) == 11);
static_assert(offsetof(CONTROLLER_PARAMETERS, bForceAsynch) == 12);
static_assert(offsetof(CONTROLLER_PARAMETERS, bForceNarrow) == 13);
static_assert(offsetof(CONTROLLER_PARAMETERS, bRebuildPriority) == 14);
static_assert(offsetof(CONTROLLER_PARAMETERS, bExpandPriority) == 15);
static_assert(offsetof(CONTROLLER_PARAMETERS, bHostSdbASICFix) == 16);
static_assert(offsetof(CONTROLLER_PARAMETERS, bPDPIBurstDisabled) == 17);
static_assert(offsetof(CONTROLLER_PARAMETERS, sSoftwareName) == 18);
static_assert(offsetof(CONTROLLER_PARAMETERS, sHardwareName) == 82);
static_assert(offsetof(CONTROLLER_PARAMETERS, bBridgeRevision) == 114);
static_assert(offsetof(CONTROLLER_PARAMETERS, bSnapshotPriority) == 115);
static_assert(offsetof(CONTROLLER_PARAMETERS, dwOSSpecific) == 116);
static_assert(offsetof(CONTROLLER_PARAMETERS, bPOSTPromptTimeout) == 120);
static_assert(offsetof(CONTROLLER_PARAMETERS, bAutomaticDriveSlamming) == 121);
static_assert(offsetof(CONTROLLER_PARAMETERS, bSetActiveStandbyMode) == 122);
static_assert(offsetof(CONTROLLER_PARAMETERS, bNVRAMFlags) == 123);
static_assert(offsetof(CONTROLLER_PARAMETERS, bCacheNVRAMFlags) == 124);
static_assert(offsetof(CONTROLLER_PARAMETERS, bDriveConfigurationFlags) == 125);
static_assert(offsetof(CONTROLLER_PARAMETERS, reserved2) == 126);
static_assert(offsetof(CONTROLLER_PARAMETERS, bOverTemperatureWarning) == 128);
static_assert(offsetof(CONTROLLER_PARAMETERS, bOverTemperatureShutdown) == 129);
static_assert(offsetof(CONTROLLER_PARAMETERS, bOverTemperatureConditionCancelled) == 130);
static_assert(offsetof(CONTROLLER_PARAMETERS, bMaxCoalesceCommands) == 131);
static_assert(offsetof(CONTROLLER_PARAMETERS, dwMaxCoalesceDelay) == 132);
static_assert(offsetof(CONTROLLER_PARAMETERS, sVELTPassword) == 136);
static_assert(offsetof(CONTROLLER_PARAMETERS, sAccessID) == 140);
static_assert(offsetof(CONTROLLER_PARAMETERS, reserved1) == 156);
static_assert(sizeof(CONTROLLER_PARAMETERS) == 512);

// One entry of the cache error log.
struct TRANSFER_DATA {
    std::uint8_t address_high_direction;
    std::uint16_t address_low;
    std::uint16_t transfer_count;
};
static_assert(offsetof(TRANSFER_DATA, address_high_direction) == 0);
static_assert(offsetof(TRANSFER_DATA, address_low) == 1);
static_assert(offsetof(TRANSFER_DATA, transfer_count) == 3);
static_assert(sizeof(TRANSFER_DATA) == 5);

// Cache state, sizes, read/write ratio and per-logical-drive enable (0xC0, 0xC1).
struct CACHE_CONFIG_STATUS {
    std::uint32_t dwCacheDisabledMap;
    std::uint16_t wReadCacheSize;
    std::uint16_t wWriteCacheSize;
    std::uint8_t bDisableFlag;
    std::uint16_t wOffsetToExtendedCacheDisabledUnitBitmap;
    std::uint16_t wOffsetToExtendedCacheFailureBitmap;
    std::uint8_t reserved1[19];
    std::uint32_t dwStatus;
    std::uint16_t wDisableCode;
    std::uint16_t wTotalMemorySize;
    std::uint16_t wBatteryCount;
    std::uint16_t wBatteryStatus;
    std::uint16_t wParityReadErrors;
    std::uint16_t wParityWriteErrors;
    TRANSFER_DATA errorLog[32];
    std::uint16_t wFailedBatteries;
    std::uint8_t bBoardPresent;
    std::uint32_t dwCacheFailureMap;
    std::uint8_t bMaxErrorLogEntries;
    std::uint8_t bNVRAMLoadStatus;
    std::uint8_t bMemorySizeShiftFactor;
    std::uint16_t wNonBatteryBackedMemorySize;
    std::uint8_t bMemoryState;
    std::uint8_t bCacheAutoRev;
    std::uint16_t wTotalAvailableMemorySize;
    std::uint8_t bPercentReadCache;
    std::uint8_t bPercentWriteCache;
    std::uint8_t bDefaultPercentReadCache;
    std::uint8_t bDefaultPercentWriteCache;
    std::uint8_t reserved2[284];
};
static_assert(offsetof(CACHE_CONFIG_STATUS, dwCacheDisabledMap) == 0);
static_assert(offsetof(CACHE_CONFIG_STATUS, wReadCacheSize) == 4);
static_assert(offsetof(CACHE_CONFIG_STATUS, wWriteCacheSize) == 6);
static_assert(offsetof(CACHE_CONFIG_STATUS, bDisableFlag) == 8);
static_assert(offsetof(CACHE_CONFIG_STATUS, wOffsetToExtendedCacheDisabledUnitBitmap) == 9);
static_assert(offsetof(CACHE_CONFIG_STATUS, wOffsetToExtendedCacheFailureBitmap) == 11);
static_assert(offsetof(CACHE_CONFIG_STATUS, reserved1) == 13);
static_assert(offsetof(CACHE_CONFIG_STATUS, dwStatus) == 32);
static_assert(offsetof(CACHE_CONFIG_STATUS, wDisableCode) == 36);
static_assert(offsetof(CACHE_CONFIG_STATUS, wTotalMemorySize) == 38);
static_assert(offsetof(CACHE_CONFIG_STATUS, wBatteryCount) == 40);
static_assert(offsetof(CACHE_CONFIG_STATUS, wBatteryStatus) == 42);
static_assert(offsetof(CACHE_CONFIG_STATUS, wParityReadErrors) == 44);
static_assert(offsetof(CACHE_CONFIG_STATUS, wParityWriteErrors) == 46);
static_assert(offsetof(CACHE_CONFIG_STATUS, errorLog) == 48);
static_assert(offsetof(CACHE_CONFIG_STATUS, wFailedBatteries) == 208);
static_assert(offsetof(CACHE_CONFIG_STATUS, bBoardPresent) == 210);
static_assert(offsetof(CACHE_CONFIG_STATUS, dwCacheFailureMap) == 211);
static_assert(offsetof(CACHE_CONFIG_STATUS, bMaxErrorLogEntries) == 215);
static_assert(offsetof(CACHE_CONFIG_STATUS, bNVRAMLoadStatus) == 216);
static_assert(offsetof(CACHE_CONFIG_STATUS, bMemorySizeShiftFactor) == 217);
static_assert(offsetof(CACHE_CONFIG_STATUS, wNonBatteryBackedMemorySize) == 218);
static_assert(offsetof(CACHE_CONFIG_STATUS, bMemoryState) == 220);
static_assert(offsetof(CACHE_CONFIG_STATUS, bCacheAutoRev) == 221);
static_assert(offsetof(CACHE_CONFIG_STATUS, wTotalAvailableMemorySize) == 222);
static_assert(offsetof(CACHE_CONFIG_STATUS, bPercentReadCache) == 224);
static_assert(offsetof(CACHE_CONFIG_STATUS, bPercentWriteCache) == 225);
static_assert(offsetof(CACHE_CONFIG_STATUS, bDefaultPercentReadCache) == 226);
static_assert(offsetof(CACHE_CONFIG_STATUS, bDefaultPercentWriteCache) == 227);
static_assert(offsetof(CACHE_CONFIG_STATUS, reserved2) == 228);
static_assert(sizeof(CACHE_CONFIG_STATUS) == 512);

// Identification LEDs: duration and one flag per drive (0x16, 0x17).
struct MAINTENANCE_OPERATION {
    std::uint32_t dwDuration;
    std::uint32_t dwElapsed;
    std::uint8_t bDrive[256];
    std::uint8_t reserved[248];
};
static_assert(offsetof(MAINTENANCE_OPERATION, dwDuration) == 0);
static_assert(offsetof(MAINTENANCE_OPERATION, dwElapsed) == 4);
static_assert(offsetof(MAINTENANCE_OPERATION, bDrive) == 8);
static_assert(offsetof(MAINTENANCE_OPERATION, reserved) == 264);
static_assert(sizeof(MAINTENANCE_OPERATION) == 512);

// Cache memory expansion information (0x59).
struct SENSE_EXPANSION_ABILITY {
    std::uint32_t dwSupportFlags;
    std::uint32_t dwExpansionMemorySize;
    std::uint8_t bCapabilityStatus[32];
    std::uint8_t reserved1[472];
};
static_assert(offsetof(SENSE_EXPANSION_ABILITY, dwSupportFlags) == 0);
static_assert(offsetof(SENSE_EXPANSION_ABILITY, dwExpansionMemorySize) == 4);
static_assert(offsetof(SENSE_EXPANSION_ABILITY, bCapabilityStatus) == 8);
static_assert(offsetof(SENSE_EXPANSION_ABILITY, reserved1) == 40);
static_assert(sizeof(SENSE_EXPANSION_ABILITY) == 512);

// One controller event.
struct NOTIFY_ON_EVENT {
    std::uint32_t dwRelativeControllerTime;
    std::uint16_t wEventClassCode;
    std::uint16_t wEventSubClassCode;
    std::uint16_t wEventDetailCode;
    std::uint8_t bEventSpecificDataFields[64];
    char sMessage[80];
    std::uint32_t dwEventTag;
    std::uint8_t bEventDay;
    std::uint8_t bEventMonth;
    std::uint16_t wEventYear;
    std::uint32_t dwEventSeconds;
    std::uint8_t reserved2[18];
    std::uint32_t dwSSPFlags;
    std::uint8_t reserved1[324];
};
static_assert(offsetof(NOTIFY_ON_EVENT, dwRelativeControllerTime) == 0);
static_assert(offsetof(NOTIFY_ON_EVENT, wEventClassCode) == 4);
static_assert(offsetof(NOTIFY_ON_EVENT, wEventSubClassCode) == 6);
static_assert(offsetof(NOTIFY_ON_EVENT, wEventDetailCode) == 8);
static_assert(offsetof(NOTIFY_ON_EVENT, bEventSpecificDataFields) == 10);
static_assert(offsetof(NOTIFY_ON_EVENT, sMessage) == 74);
static_assert(offsetof(NOTIFY_ON_EVENT, dwEventTag) == 154);
static_assert(offsetof(NOTIFY_ON_EVENT, bEventDay) == 158);
static_assert(offsetof(NOTIFY_ON_EVENT, bEventMonth) == 159);
static_assert(offsetof(NOTIFY_ON_EVENT, wEventYear) == 160);
static_assert(offsetof(NOTIFY_ON_EVENT, dwEventSeconds) == 162);
static_assert(offsetof(NOTIFY_ON_EVENT, reserved2) == 166);
static_assert(offsetof(NOTIFY_ON_EVENT, dwSSPFlags) == 184);
static_assert(offsetof(NOTIFY_ON_EVENT, reserved1) == 188);
static_assert(sizeof(NOTIFY_ON_EVENT) == 512);

#pragma pack(pop)
