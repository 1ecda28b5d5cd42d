// Logical-drive buffers: configuration records, identity, status, labels, block data, profiles.
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

// For each drive of a mirrored logical drive, the index of its partner (0x5D).
struct MIRROR_DRIVE_PAIR_INFO {
    std::uint16_t bPairedDrive[256];
};
static_assert(offsetof(MIRROR_DRIVE_PAIR_INFO, bPairedDrive) == 0);
static_assert(sizeof(MIRROR_DRIVE_PAIR_INFO) == 512);

// One 512-byte block read from or written to a logical drive (0x20, 0x30).
struct READ_WRITE_BUFFER {
    std::uint8_t ARRAY[512];
};
static_assert(offsetof(READ_WRITE_BUFFER, ARRAY) == 0);
static_assert(sizeof(READ_WRITE_BUFFER) == 512);

// Name of a logical drive (0x57).
struct LABEL_LOGICAL_DRIVE {
    std::uint32_t dwLogicalDriveIdentifier;
    std::uint8_t pbLogicalDriveLabel[64];
    std::uint8_t reserved[444];
};
static_assert(offsetof(LABEL_LOGICAL_DRIVE, dwLogicalDriveIdentifier) == 0);
static_assert(offsetof(LABEL_LOGICAL_DRIVE, pbLogicalDriveLabel) == 4);
static_assert(offsetof(LABEL_LOGICAL_DRIVE, reserved) == 68);
static_assert(sizeof(LABEL_LOGICAL_DRIVE) == 512);

// New unit number of each logical drive (0x56).
struct REORDER_LOGICAL_DRIVES {
    std::uint8_t pbUnitNumber[32];
};
static_assert(offsetof(REORDER_LOGICAL_DRIVES, pbUnitNumber) == 0);
static_assert(sizeof(REORDER_LOGICAL_DRIVES) == 32);

// Geometry a logical drive presents to the host.
struct DRIVE_PARAM_TABLE {
    std::uint16_t wMaxCylinders;
    std::uint8_t bMaxHeads;
    std::uint8_t bTranslationSignature;
    std::uint8_t bPhysSectorsPerTrack;
    std::uint16_t wPreCompCylinder;
    std::uint8_t bMaxECCBurst;
    std::uint8_t bDriveControl;
    std::uint16_t wMaxPhysicalCylinders;
    std::uint8_t bMaxPhysicalHeads;
    std::uint16_t wLandingZone;
    std::uint8_t bSectorsPerTrack;
    std::uint8_t bChecksum;
};
static_assert(offsetof(DRIVE_PARAM_TABLE, wMaxCylinders) == 0);
static_assert(offsetof(DRIVE_PARAM_TABLE, bMaxHeads) == 2);
static_assert(offsetof(DRIVE_PARAM_TABLE, bTranslationSignature) == 3);
static_assert(offsetof(DRIVE_PARAM_TABLE, bPhysSectorsPerTrack) == 4);
static_assert(offsetof(DRIVE_PARAM_TABLE, wPreCompCylinder) == 5);
static_assert(offsetof(DRIVE_PARAM_TABLE, bMaxECCBurst) == 7);
static_assert(offsetof(DRIVE_PARAM_TABLE, bDriveControl) == 8);
static_assert(offsetof(DRIVE_PARAM_TABLE, wMaxPhysicalCylinders) == 9);
static_assert(offsetof(DRIVE_PARAM_TABLE, bMaxPhysicalHeads) == 11);
static_assert(offsetof(DRIVE_PARAM_TABLE, wLandingZone) == 12);
static_assert(offsetof(DRIVE_PARAM_TABLE, bSectorsPerTrack) == 14);
static_assert(offsetof(DRIVE_PARAM_TABLE, bChecksum) == 15);
static_assert(sizeof(DRIVE_PARAM_TABLE) == 16);

// Configuration record of one logical drive and its array (0x50, 0x51, 0x54, 0x5E).
struct LOGICAL_DRIVE_CONFIG {
    std::uint32_t dwSignature;
    std::uint16_t wCPCPort;
    std::uint8_t bDataDistributionMode;
    std::uint8_t bSurfaceAnalysis;
    std::uint16_t wPhysicalDrives;
    std::uint16_t wAssignedDrives;
    std::uint16_t wFaultTolerance;
    std::uint16_t wDrivesConsumedForFaultTolerance;
    std::uint64_t qwBigBlocksInLogicalDrive;
    std::uint16_t wBlockSize;
    std::uint8_t reserved1[4];
    DRIVE_PARAM_TABLE logicalDriveParamTable;
    std::uint32_t dwAssignedDriveBitmap;
    std::uint16_t wDistribution;
    std::uint32_t dwSpareAssignmentBitmap;
    std::uint8_t bBreakUpFlags;
    std::uint8_t bConfigurationFlags;
    std::uint32_t dwOtherVolumeSignature;
    std::uint16_t wOS;
    std::uint8_t bControllerOrder;
    std::uint8_t bAdditionalInfo;
    std::uint32_t dwDataOffset;
    std::uint8_t bBackedOutWriteDrives;
    std::uint8_t bParityDistributionMode;
    std::uint8_t bParityShiftFactor;
    std::uint8_t bBIOSDisableFlag;
    std::uint32_t dwBlocksOnVolume;
    std::uint32_t dwBlocksPerDrive;
    std::uint8_t bConfigModMajorVer;
    std::uint8_t bConfigModMinorVer;
    std::uint8_t bGUIMajorVer;
    std::uint8_t bGUIMinorVer;
    std::uint8_t bGUIOptions;
    std::uint8_t bLogicalDriveProperty;
    std::uint8_t bScratchPad[10];
    std::uint8_t pbBigDriveAssignmentMap[16];
    std::uint8_t pbBigSpareAssignmentMap[16];
    std::uint8_t bSnapshotSourceVolume;
    std::uint8_t bDriveTypeMixFlag;
    std::uint8_t reserved2[96];
    std::uint8_t bSnapshotResourceVolumeFlag;
    std::uint8_t bSnapshotRISCounter;
    std::uint16_t wExtendedSnapshotSourceVolume;
    std::uint16_t wOtherVolumeDriveNumber;
    std::uint64_t qwExtendedOffsetToData;
    std::uint64_t qwExtendedBlocksPerDrive;
    std::uint16_t wOffsetToExtendedDriveAssignmentBitmap;
    std::uint16_t wOffsetToExtendedSpareAssignmentBitmap;
    std::uint16_t wOffsetToExtendedPhysicalDriveListArray;
    std::uint8_t reserved3[256];
};
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, dwSignature) == 0);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wCPCPort) == 4);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bDataDistributionMode) == 6);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bSurfaceAnalysis) == 7);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wPhysicalDrives) == 8);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wAssignedDrives) == 10);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wFaultTolerance) == 12);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wDrivesConsumedForFaultTolerance) == 14);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, qwBigBlocksInLogicalDrive) == 16);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wBlockSize) == 24);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, reserved1) == 26);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, logicalDriveParamTable) == 30);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, dwAssignedDriveBitmap) == 46);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wDistribution) == 50);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, dwSpareAssignmentBitmap) == 52);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bBreakUpFlags) == 56);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bConfigurationFlags) == 57);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, dwOtherVolumeSignature) == 58);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wOS) == 62);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bControllerOrder) == 64);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bAdditionalInfo) == 65);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, dwDataOffset) == 66);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bBackedOutWriteDrives) == 70);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bParityDistributionMode) == 71);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bParityShiftFactor) == 72);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bBIOSDisableFlag) == 73);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, dwBlocksOnVolume) == 74);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, dwBlocksPerDrive) == 78);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bConfigModMajorVer) == 82);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bConfigModMinorVer) == 83);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bGUIMajorVer) == 84);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bGUIMinorVer) == 85);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bGUIOptions) == 86);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bLogicalDriveProperty) == 87);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bScratchPad) == 88);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, pbBigDriveAssignmentMap) == 98);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, pbBigSpareAssignmentMap) == 114);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bSnapshotSourceVolume) == 130);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bDriveTypeMixFlag) == 131);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, reserved2) == 132);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bSnapshotResourceVolumeFlag) == 228);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, bSnapshotRISCounter) == 229);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wExtendedSnapshotSourceVolume) == 230);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wOtherVolumeDriveNumber) == 232);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, qwExtendedOffsetToData) == 234);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, qwExtendedBlocksPerDrive) == 242);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wOffsetToExtendedDriveAssignmentBitmap) == 250);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wOffsetToExtendedSpareAssignmentBitmap) == 252);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, wOffsetToExtendedPhysicalDriveListArray) == 254);
static_assert(offsetof(LOGICAL_DRIVE_CONFIG, reserved3) == 256);
static_assert(sizeof(LOGICAL_DRIVE_CONFIG) == 512);

// Size, label and unique identifier of a logical drive (0x10).
struct IDENTIFY_LOGICAL_DRIVE {
    std::uint16_t wBlockSize;
    std::uint32_t dwBlocksOnVolume;
    DRIVE_PARAM_TABLE logicalDriveParamTable;
    std::uint8_t bFaultToleranceMode;
    std::uint8_t bExternalBoxID;
    std::uint8_t bBiosDisable;
    std::uint8_t reserved2;
    std::uint32_t dwVolumeIdentifier;
    char sVolumeLabel[64];
    std::uint64_t qwBigBlocksInLogicalDrive;
    std::uint8_t bPage83Identifier[16];
    std::uint8_t reserved1[394];
};
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, wBlockSize) == 0);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, dwBlocksOnVolume) == 2);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, logicalDriveParamTable) == 6);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, bFaultToleranceMode) == 22);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, bExternalBoxID) == 23);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, bBiosDisable) == 24);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, reserved2) == 25);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, dwVolumeIdentifier) == 26);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, sVolumeLabel) == 30);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, qwBigBlocksInLogicalDrive) == 94);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, bPage83Identifier) == 102);
static_assert(offsetof(IDENTIFY_LOGICAL_DRIVE, reserved1) == 118);
static_assert(sizeof(IDENTIFY_LOGICAL_DRIVE) == 512);

// State of a logical drive, rebuild and expand progress (0x12).
struct LOGICAL_DRIVE_STATUS {
    std::uint8_t bUnitStatus;
    std::uint32_t dwDriveFailureBitmap;
    std::uint16_t wReadErrorCount[32];
    std::uint16_t wWriteErrorCount[32];
    std::uint8_t bDriveErrorData[256];
    std::uint8_t bDRQTimeOutCount[32];
    std::uint32_t dwBlocksLeftToRecover;
    std::uint8_t bDriveRebuilding;
    std::uint16_t wRemapCount[32];
    std::uint32_t dwReplacementDriveBitmap;
    std::uint32_t dwActiveSpareBitmap;
    std::uint8_t bSpareStatus;
    std::uint8_t bSpareToReplaceBitmap[32];
    std::uint32_t dwReplaceMarkedOKBitmap;
    std::uint8_t bMediaExchanged;
    std::uint8_t bCacheFailure;
    std::uint8_t bExpandFailure;
    std::uint8_t bUnitFlags;
    std::uint8_t pbBigDriveFailureBitmap[16];
    std::uint16_t pbBigRemapCount[128];
    std::uint8_t pbBigReplacementDriveBitMap[16];
    std::uint8_t pbBigActiveSpareBitmap[16];
    std::uint8_t pbBigSpareToReplaceBitmap[128];
    std::uint8_t pbBigSpareMarkedOKBitmap[16];
    std::uint8_t bBigDriveRebuilding;
    std::uint64_t qwBigBlocksLeftToRecover;
    std::uint16_t wNeverAccessedLBAZonesBitmap;
    std::uint16_t wUnwrittenLBAZonesBitmap;
    std::uint8_t bSourceResourceVolumeFlag;
    std::uint8_t bReplicaState;
    std::uint16_t wExtendedDriveRebuilding;
    std::uint16_t wOffsetToExtendedDriveFailureBitmap;
    std::uint16_t wOffsetToExtendedReplacementDriveBitmap;
    std::uint16_t wOffsetToExtendedActiveSpareBitmap;
    std::uint16_t wOffsetToExtendedReplacedMarkedOKBitmap;
    std::uint16_t wOffsetToExtendedSpareToReplaceArray;
    std::uint16_t wOffsetToExtendedRemapCountArray;
    std::uint8_t reserved[8];
};
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bUnitStatus) == 0);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, dwDriveFailureBitmap) == 1);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wReadErrorCount) == 5);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wWriteErrorCount) == 69);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bDriveErrorData) == 133);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bDRQTimeOutCount) == 389);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, dwBlocksLeftToRecover) == 421);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bDriveRebuilding) == 425);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wRemapCount) == 426);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, dwReplacementDriveBitmap) == 490);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, dwActiveSpareBitmap) == 494);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bSpareStatus) == 498);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bSpareToReplaceBitmap) == 499);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, dwReplaceMarkedOKBitmap) == 531);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bMediaExchanged) == 535);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bCacheFailure) == 536);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bExpandFailure) == 537);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bUnitFlags) == 538);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, pbBigDriveFailureBitmap) == 539);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, pbBigRemapCount) == 555);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, pbBigReplacementDriveBitMap) == 811);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, pbBigActiveSpareBitmap) == 827);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, pbBigSpareToReplaceBitmap) == 843);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, pbBigSpareMarkedOKBitmap) == 971);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bBigDriveRebuilding) == 987);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, qwBigBlocksLeftToRecover) == 988);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wNeverAccessedLBAZonesBitmap) == 996);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wUnwrittenLBAZonesBitmap) == 998);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bSourceResourceVolumeFlag) == 1000);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, bReplicaState) == 1001);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wExtendedDriveRebuilding) == 1002);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wOffsetToExtendedDriveFailureBitmap) == 1004);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wOffsetToExtendedReplacementDriveBitmap) == 1006);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wOffsetToExtendedActiveSpareBitmap) == 1008);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wOffsetToExtendedReplacedMarkedOKBitmap) == 1010);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wOffsetToExtendedSpareToReplaceArray) == 1012);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, wOffsetToExtendedRemapCountArray) == 1014);
static_assert(offsetof(LOGICAL_DRIVE_STATUS, reserved) == 1016);
static_assert(sizeof(LOGICAL_DRIVE_STATUS) == 1024);

// Request statistics of a logical drive over one period.
struct VOLUME_PROFILE_DATA {
    std::uint32_t dwDate;
    std::uint64_t qwReadRequest[24];
    std::uint64_t qwWriteRequest[24];
    std::uint64_t qwBlocksRead[24];
    std::uint64_t qwBlocksWritten[24];
    std::uint64_t qwCacheHits[24];
    std::uint64_t qwFlushRequest[24];
    std::uint64_t qwPostedWriteByPass[24];
    std::uint8_t reserved[392];
};
static_assert(offsetof(VOLUME_PROFILE_DATA, dwDate) == 0);
static_assert(offsetof(VOLUME_PROFILE_DATA, qwReadRequest) == 4);
static_assert(offsetof(VOLUME_PROFILE_DATA, qwWriteRequest) == 196);
static_assert(offsetof(VOLUME_PROFILE_DATA, qwBlocksRead) == 388);
static_assert(offsetof(VOLUME_PROFILE_DATA, qwBlocksWritten) == 580);
static_assert(offsetof(VOLUME_PROFILE_DATA, qwCacheHits) == 772);
static_assert(offsetof(VOLUME_PROFILE_DATA, qwFlushRequest) == 964);
static_assert(offsetof(VOLUME_PROFILE_DATA, qwPostedWriteByPass) == 1156);
static_assert(offsetof(VOLUME_PROFILE_DATA, reserved) == 1348);
static_assert(sizeof(VOLUME_PROFILE_DATA) == 1740);

// Volume profile statistics over fourteen periods (0xAD).
struct VOLUME_PROFILE_DATA_TOTAL {
    VOLUME_PROFILE_DATA volumeProfileData[14];
    std::uint32_t dwStartDate;
    std::uint32_t dwStartTime;
};
static_assert(offsetof(VOLUME_PROFILE_DATA_TOTAL, volumeProfileData) == 0);
static_assert(offsetof(VOLUME_PROFILE_DATA_TOTAL, dwStartDate) == 24360);
static_assert(offsetof(VOLUME_PROFILE_DATA_TOTAL, dwStartTime) == 24364);
static_assert(sizeof(VOLUME_PROFILE_DATA_TOTAL) == 24368);

#pragma pack(pop)
