// Physical-drive buffers: identity and location, drive monitoring, failing a drive, inquiries of
// non-disk devices.
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

// Drive monitoring counters of one physical drive (sense 0xA0).
struct SENSE_MNP_STATISTICS {
    std::uint8_t bSerialNumber[20];
    std::uint8_t bFirmwareRevision[8];
    std::uint8_t bProductRevision[40];
    std::uint32_t dwReferenceTime;
    std::uint64_t qwSectorsRead;
    std::uint32_t dwReadErrorsHard;
    std::uint32_t dwReadErrorsRetryRecovered;
    std::uint64_t qwReadErrorsECCCorrected;
    std::uint64_t qwSectorsWritten;
    std::uint32_t dwWriteErrorsHard;
    std::uint32_t dwWriteErrorsRetryRecovered;
    std::uint64_t qwSeekCount;
    std::uint64_t qwSeekErrors;
    std::uint32_t dwSpinCycles;
    std::uint16_t wSpinUpTime;
    std::uint16_t wPerformanceTest1;
    std::uint16_t wPerformanceTest2;
    std::uint16_t wPerformanceTest3;
    std::uint16_t wPerformanceTest4;
    std::uint32_t dwReallocationSectors;
    std::uint32_t dwReallocatedSectors;
    std::uint16_t wDRQTimeOuts;
    std::uint16_t wOtherTimeOuts;
    std::uint16_t wDriveRebuildCount;
    std::uint16_t wSpinRetries;
    std::uint16_t wRecoversFailedRead;
    std::uint16_t wRecoversFailedWrite;
    std::uint16_t wFormatErrors;
    std::uint16_t wSelfTestFailures;
    std::uint32_t dwNotReadyFailures;
    std::uint32_t dwRemapAbortFailures;
    std::uint32_t dwIRQDeglitchCount;
    std::uint32_t dwBusFaults;
    std::uint32_t dwHotPlugCount;
    std::uint16_t wTrackRewriteErrors;
    std::uint16_t wWriteErrorsAfterRemap;
    std::uint8_t bBackgroundFirmwareRevision[8];
    std::uint16_t wMediaFailures;
    std::uint16_t wHardwareErrors;
    std::uint16_t wAbortedCommandFailures;
    std::uint16_t wSpinUpFailures;
    std::uint16_t wBadTargetCount;
    std::uint32_t dwPredictiveFailureErrors;
    std::uint8_t reserved[44];
};
static_assert(offsetof(SENSE_MNP_STATISTICS, bSerialNumber) == 0);
static_assert(offsetof(SENSE_MNP_STATISTICS, bFirmwareRevision) == 20);
static_assert(offsetof(SENSE_MNP_STATISTICS, bProductRevision) == 28);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwReferenceTime) == 68);
static_assert(offsetof(SENSE_MNP_STATISTICS, qwSectorsRead) == 72);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwReadErrorsHard) == 80);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwReadErrorsRetryRecovered) == 84);
static_assert(offsetof(SENSE_MNP_STATISTICS, qwReadErrorsECCCorrected) == 88);
static_assert(offsetof(SENSE_MNP_STATISTICS, qwSectorsWritten) == 96);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwWriteErrorsHard) == 104);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwWriteErrorsRetryRecovered) == 108);
static_assert(offsetof(SENSE_MNP_STATISTICS, qwSeekCount) == 112);
static_assert(offsetof(SENSE_MNP_STATISTICS, qwSeekErrors) == 120);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwSpinCycles) == 128);
static_assert(offsetof(SENSE_MNP_STATISTICS, wSpinUpTime) == 132);
static_assert(offsetof(SENSE_MNP_STATISTICS, wPerformanceTest1) == 134);
static_assert(offsetof(SENSE_MNP_STATISTICS, wPerformanceTest2) == 136);
static_assert(offsetof(SENSE_MNP_STATISTICS, wPerformanceTest3) == 138);
static_assert(offsetof(SENSE_MNP_STATISTICS, wPerformanceTest4) == 140);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwReallocationSectors) == 142);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwReallocatedSectors) == 146);
static_assert(offsetof(SENSE_MNP_STATISTICS, wDRQTimeOuts) == 150);
static_assert(offsetof(SENSE_MNP_STATISTICS, wOtherTimeOuts) == 152);
static_assert(offsetof(SENSE_MNP_STATISTICS, wDriveRebuildCount) == 154);
static_assert(offsetof(SENSE_MNP_STATISTICS, wSpinRetries) == 156);
static_assert(offsetof(SENSE_MNP_STATISTICS, wRecoversFailedRead) == 158);
static_assert(offsetof(SENSE_MNP_STATISTICS, wRecoversFailedWrite) == 160);
static_assert(offsetof(SENSE_MNP_STATISTICS, wFormatErrors) == 162);
static_assert(offsetof(SENSE_MNP_STATISTICS, wSelfTestFailures) == 164);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwNotReadyFailures) == 166);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwRemapAbortFailures) == 170);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwIRQDeglitchCount) == 174);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwBusFaults) == 178);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwHotPlugCount) == 182);
static_assert(offsetof(SENSE_MNP_STATISTICS, wTrackRewriteErrors) == 186);
static_assert(offsetof(SENSE_MNP_STATISTICS, wWriteErrorsAfterRemap) == 188);
static_assert(offsetof(SENSE_MNP_STATISTICS, bBackgroundFirmwareRevision) == 190);
static_assert(offsetof(SENSE_MNP_STATISTICS, wMediaFailures) == 198);
static_assert(offsetof(SENSE_MNP_STATISTICS, wHardwareErrors) == 200);
static_assert(offsetof(SENSE_MNP_STATISTICS, wAbortedCommandFailures) == 202);
static_assert(offsetof(SENSE_MNP_STATISTICS, wSpinUpFailures) == 204);
static_assert(offsetof(SENSE_MNP_STATISTICS, wBadTargetCount) == 206);
static_assert(offsetof(SENSE_MNP_STATISTICS, dwPredictiveFailureErrors) == 208);
static_assert(offsetof(SENSE_MNP_STATISTICS, reserved) == 212);
static_assert(sizeof(SENSE_MNP_STATISTICS) == 256);

// Drive monitoring thresholds; the counters that trip a warning.
struct SENSE_MNP_THRESHOLDS {
    std::uint16_t wThresholdFlags;
    std::uint32_t dwReferenceTime;
    std::uint32_t dwReadErrorsHard;
    std::uint32_t dwReadErrorsRetryRecovered;
    std::uint64_t qwReadErrorsECCCorrected;
    std::uint32_t dwWriteErrorsHard;
    std::uint32_t dwWriteErrorsRetryRecovered;
    std::uint64_t qwSeekErrors;
    std::uint32_t dwSpinCycles;
    std::uint16_t wSpinUpTime;
    std::uint16_t wPerformanceTest1;
    std::uint16_t wPerformanceTest2;
    std::uint16_t wPerformanceTest3;
    std::uint16_t wPerformanceTest4;
    std::uint32_t dwReallocatedSectors;
    std::uint16_t wDRQTimeouts;
    std::uint16_t wOtherTimeOuts;
    std::uint16_t wDriveRebuildCount;
    std::uint16_t wSpinRetries;
    std::uint16_t wRecoversFailedRead;
    std::uint16_t wRecoversFailedWrite;
    std::uint16_t wFormatErrors;
    std::uint16_t wSelfTestFailures;
    std::uint32_t dwNotReadyFailures;
    std::uint32_t dwRemapAbortFailures;
    std::uint32_t dwIRQDeglitchCount;
    std::uint32_t dwBusFaults;
    std::uint32_t dwHotPlugCount;
    std::uint16_t wTrackRewriteErrors;
    std::uint16_t wWriteErrorsAfterRemap;
    std::uint16_t wMediaFailures;
    std::uint16_t wHardwareErrors;
    std::uint16_t wAbortedCommandFailures;
    std::uint16_t wSpinUpFailures;
    std::uint16_t wBadTargetCount;
    std::uint32_t dwMaxPredictiveFailureErrors;
    std::uint8_t reserved[50];
};
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wThresholdFlags) == 0);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwReferenceTime) == 2);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwReadErrorsHard) == 6);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwReadErrorsRetryRecovered) == 10);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, qwReadErrorsECCCorrected) == 14);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwWriteErrorsHard) == 22);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwWriteErrorsRetryRecovered) == 26);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, qwSeekErrors) == 30);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwSpinCycles) == 38);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wSpinUpTime) == 42);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wPerformanceTest1) == 44);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wPerformanceTest2) == 46);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wPerformanceTest3) == 48);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wPerformanceTest4) == 50);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwReallocatedSectors) == 52);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wDRQTimeouts) == 56);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wOtherTimeOuts) == 58);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wDriveRebuildCount) == 60);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wSpinRetries) == 62);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wRecoversFailedRead) == 64);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wRecoversFailedWrite) == 66);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wFormatErrors) == 68);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wSelfTestFailures) == 70);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwNotReadyFailures) == 72);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwRemapAbortFailures) == 76);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwIRQDeglitchCount) == 80);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwBusFaults) == 84);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwHotPlugCount) == 88);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wTrackRewriteErrors) == 92);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wWriteErrorsAfterRemap) == 94);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wMediaFailures) == 96);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wHardwareErrors) == 98);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wAbortedCommandFailures) == 100);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wSpinUpFailures) == 102);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, wBadTargetCount) == 104);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, dwMaxPredictiveFailureErrors) == 106);
static_assert(offsetof(SENSE_MNP_THRESHOLDS, reserved) == 110);
static_assert(sizeof(SENSE_MNP_THRESHOLDS) == 160);

// Per-drive threshold violation flags (sense 0xA3), one byte per drive.
struct SENSE_MNP_VIOLATIONS {
    std::uint8_t bDriveStatus[256];
};
static_assert(offsetof(SENSE_MNP_VIOLATIONS, bDriveStatus) == 0);
static_assert(sizeof(SENSE_MNP_VIOLATIONS) == 256);

// Drive monitoring parameters written per physical drive (0xA4).
struct MNP_PARAMETER_CONTROL {
    std::uint16_t wSerialNumber;
    std::uint16_t wFirmwareRevision;
    std::uint16_t wProductRevision;
    std::uint16_t wReferenceTime;
    std::uint16_t wSectorsRead;
    std::uint16_t wReadErrorsHard;
    std::uint16_t wReadErrorsRetryRecovered;
    std::uint16_t wReadErrorsECCCorrected;
    std::uint16_t wSectorsWritten;
    std::uint16_t wWriteErrorsHard;
    std::uint16_t wWriteErrorsRetryRecovered;
    std::uint16_t wSeekCount;
    std::uint16_t wSeekErrors;
    std::uint16_t wSpinCycles;
    std::uint16_t wSpinUpTime;
    std::uint16_t wPerformanceTest1;
    std::uint16_t wPerformanceTest2;
    std::uint16_t wPerformanceTest3;
    std::uint16_t wPerformanceTest4;
    std::uint16_t wReallocationSects;
    std::uint16_t wReallocatedSects;
    std::uint16_t wDRQTimeouts;
    std::uint16_t wOtherTimeouts;
    std::uint16_t wDriveRebuildCount;
    std::uint16_t wSpinRetries;
    std::uint16_t wRecoversFailedRead;
    std::uint16_t wRecoversFailedWrite;
    std::uint16_t wFormatErrors;
    std::uint16_t wSelfTestFailures;
    std::uint16_t wNotReadyFailures;
    std::uint16_t wRemapAbortFailures;
    std::uint16_t wIRQDeglitchCount;
    std::uint16_t wBusFaults;
    std::uint16_t wHotPlugCount;
    std::uint16_t wTrackRewriteErrors;
    std::uint16_t wWriteErrorsAfterRemap;
    std::uint16_t wBackgroundFirmwareRevision;
    std::uint16_t wMediaFailures;
    std::uint16_t wHardwareErrors;
    std::uint16_t wAbortedCommandFailures;
    std::uint16_t wSpinUpFailures;
    std::uint16_t wBadTargetCount;
    std::uint16_t wPredictiveFailureErrors;
    std::uint8_t reserved[42];
};
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSerialNumber) == 0);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wFirmwareRevision) == 2);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wProductRevision) == 4);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wReferenceTime) == 6);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSectorsRead) == 8);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wReadErrorsHard) == 10);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wReadErrorsRetryRecovered) == 12);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wReadErrorsECCCorrected) == 14);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSectorsWritten) == 16);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wWriteErrorsHard) == 18);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wWriteErrorsRetryRecovered) == 20);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSeekCount) == 22);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSeekErrors) == 24);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSpinCycles) == 26);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSpinUpTime) == 28);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wPerformanceTest1) == 30);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wPerformanceTest2) == 32);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wPerformanceTest3) == 34);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wPerformanceTest4) == 36);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wReallocationSects) == 38);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wReallocatedSects) == 40);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wDRQTimeouts) == 42);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wOtherTimeouts) == 44);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wDriveRebuildCount) == 46);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSpinRetries) == 48);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wRecoversFailedRead) == 50);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wRecoversFailedWrite) == 52);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wFormatErrors) == 54);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSelfTestFailures) == 56);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wNotReadyFailures) == 58);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wRemapAbortFailures) == 60);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wIRQDeglitchCount) == 62);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wBusFaults) == 64);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wHotPlugCount) == 66);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wTrackRewriteErrors) == 68);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wWriteErrorsAfterRemap) == 70);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wBackgroundFirmwareRevision) == 72);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wMediaFailures) == 74);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wHardwareErrors) == 76);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wAbortedCommandFailures) == 78);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wSpinUpFailures) == 80);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wBadTargetCount) == 82);
static_assert(offsetof(MNP_PARAMETER_CONTROL, wPredictiveFailureErrors) == 84);
static_assert(offsetof(MNP_PARAMETER_CONTROL, reserved) == 86);
static_assert(sizeof(MNP_PARAMETER_CONTROL) == 128);

// Identity, size and location of a physical drive (0x15).
struct PHYSICAL_DRIVE_STATUS {
    std::uint8_t bSCSIBus;
    std::uint8_t bSCSIID;
    std::uint16_t wBlockSize;
    std::uint32_t dwTotalBlocks;
    std::uint32_t dwReservedBlocks;
    char sDriveModel[40];
    char sDriveSerialNumber[40];
    char sDriveFirmwareRevision[8];
    std::uint8_t bSCSIInquiryBits;
    std::uint8_t bTalvaneDriveStamped;
    std::uint8_t bLastFailureReason;
    std::uint8_t bPhysicalDriveFlags;
    std::uint8_t bMorePhysicalDriveFlags;
    std::uint8_t bSCSILun;
    std::uint8_t bYetMorePhysicalDriveFlags;
    std::uint8_t bEvenMoreDeviceFlags;
    std::uint32_t dwSpiSpeedRules;
    char sPhysicalPort[2];
    std::uint8_t bPhysicalBox;
    std::uint8_t bPhysicalBay;
    std::uint32_t dwRPM;
    std::uint8_t bDeviceType;
    std::uint8_t bSATAVersion;
    std::uint64_t qwBIGTotalBlockCount;
    std::uint64_t qwRISStartingLBA;
    std::uint32_t dwRISSize;
    std::uint8_t bWWID[20];
    std::uint8_t bControllerPHYMap[32];
    std::uint16_t wPHYCount;
    std::uint8_t bPHYConnectedDeviceType[256];
    std::uint8_t bPHYToDriveBayNumber[256];
    std::uint16_t wPHYToAttachedDeviceIndex[256];
    std::uint8_t bBoxIndex;
    std::uint8_t reserved2[3];
    std::uint8_t bNegotiatedLinkRate[256];
    std::uint8_t reserved[56];
};
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bSCSIBus) == 0);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bSCSIID) == 1);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, wBlockSize) == 2);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, dwTotalBlocks) == 4);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, dwReservedBlocks) == 8);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, sDriveModel) == 12);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, sDriveSerialNumber) == 52);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, sDriveFirmwareRevision) == 92);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bSCSIInquiryBits) == 100);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bTalvaneDriveStamped) == 101);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bLastFailureReason) == 102);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bPhysicalDriveFlags) == 103);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bMorePhysicalDriveFlags) == 104);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bSCSILun) == 105);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bYetMorePhysicalDriveFlags) == 106);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bEvenMoreDeviceFlags) == 107);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, dwSpiSpeedRules) == 108);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, sPhysicalPort) == 112);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bPhysicalBox) == 114);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bPhysicalBay) == 115);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, dwRPM) == 116);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bDeviceType) == 120);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bSATAVersion) == 121);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, qwBIGTotalBlockCount) == 122);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, qwRISStartingLBA) == 130);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, dwRISSize) == 138);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bWWID) == 142);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bControllerPHYMap) == 162);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, wPHYCount) == 194);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bPHYConnectedDeviceType) == 196);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bPHYToDriveBayNumber) == 452);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, wPHYToAttachedDeviceIndex) == 708);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bBoxIndex) == 1220);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, reserved2) == 1221);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, bNegotiatedLinkRate) == 1224);
static_assert(offsetof(PHYSICAL_DRIVE_STATUS, reserved) == 1480);
static_assert(sizeof(PHYSICAL_DRIVE_STATUS) == 1536);

// Forces one physical drive to the failed state (0xF1).
struct FAIL_PHYSICAL_DRIVE_OPERATION {
    std::uint16_t wPhysicalDrive;
    std::uint8_t reserved[510];
};
static_assert(offsetof(FAIL_PHYSICAL_DRIVE_OPERATION, wPhysicalDrive) == 0);
static_assert(offsetof(FAIL_PHYSICAL_DRIVE_OPERATION, reserved) == 2);
static_assert(sizeof(FAIL_PHYSICAL_DRIVE_OPERATION) == 512);

// Resets one device on a bus.
struct RESET_SCSI_DEVICE_OPERATION {
    std::uint8_t bSCSIBus;
    std::uint8_t bSCSIID;
    std::uint8_t reserved[510];
};
static_assert(offsetof(RESET_SCSI_DEVICE_OPERATION, bSCSIBus) == 0);
static_assert(offsetof(RESET_SCSI_DEVICE_OPERATION, bSCSIID) == 1);
static_assert(offsetof(RESET_SCSI_DEVICE_OPERATION, reserved) == 2);
static_assert(sizeof(RESET_SCSI_DEVICE_OPERATION) == 512);

// First eight bytes of a standard inquiry answer: device type, version and capability bits.
struct SCSI_DEVICE_INFO {
    std::uint8_t bPeripheralType;
    std::uint8_t bRMB;
    std::uint8_t bVersions;
    std::uint8_t bResponseFormat;
    std::uint8_t bAdditionalLength;
    std::uint8_t reserved[2];
    std::uint8_t bSupportBits;
};
static_assert(offsetof(SCSI_DEVICE_INFO, bPeripheralType) == 0);
static_assert(offsetof(SCSI_DEVICE_INFO, bRMB) == 1);
static_assert(offsetof(SCSI_DEVICE_INFO, bVersions) == 2);
static_assert(offsetof(SCSI_DEVICE_INFO, bResponseFormat) == 3);
static_assert(offsetof(SCSI_DEVICE_INFO, bAdditionalLength) == 4);
static_assert(offsetof(SCSI_DEVICE_INFO, reserved) == 5);
static_assert(offsetof(SCSI_DEVICE_INFO, bSupportBits) == 7);
static_assert(sizeof(SCSI_DEVICE_INFO) == 8);

// Standard inquiry answer of a device behind the controller.
struct SCSI_STANDARD_INQUIRY_DATA {
    SCSI_DEVICE_INFO deviceInfo;
    char sVendorID[8];
    char sProductID[16];
    char sProductRevisionLevel[4];
    std::uint8_t bVendorSpecific1[8];
    std::uint8_t bVendorSpecific2[12];
    std::uint8_t reserved[200];
};
static_assert(offsetof(SCSI_STANDARD_INQUIRY_DATA, deviceInfo) == 0);
static_assert(offsetof(SCSI_STANDARD_INQUIRY_DATA, sVendorID) == 8);
static_assert(offsetof(SCSI_STANDARD_INQUIRY_DATA, sProductID) == 16);
static_assert(offsetof(SCSI_STANDARD_INQUIRY_DATA, sProductRevisionLevel) == 32);
static_assert(offsetof(SCSI_STANDARD_INQUIRY_DATA, bVendorSpecific1) == 36);
static_assert(offsetof(SCSI_STANDARD_INQUIRY_DATA, bVendorSpecific2) == 44);
static_assert(offsetof(SCSI_STANDARD_INQUIRY_DATA, reserved) == 56);
static_assert(sizeof(SCSI_STANDARD_INQUIRY_DATA) == 256);

// Unit serial number page of a device behind the controller.
struct SCSI_DEVICE_INFORMATION {
    std::uint8_t bDeviceType;
    std::uint8_t bPageCode;
    std::uint8_t reserved2;
    std::uint8_t bPageLength;
    char sSerialNumber[64];
    std::uint8_t reserved1[188];
};
static_assert(offsetof(SCSI_DEVICE_INFORMATION, bDeviceType) == 0);
static_assert(offsetof(SCSI_DEVICE_INFORMATION, bPageCode) == 1);
static_assert(offsetof(SCSI_DEVICE_INFORMATION, reserved2) == 2);
static_assert(offsetof(SCSI_DEVICE_INFORMATION, bPageLength) == 3);
static_assert(offsetof(SCSI_DEVICE_INFORMATION, sSerialNumber) == 4);
static_assert(offsetof(SCSI_DEVICE_INFORMATION, reserved1) == 68);
static_assert(sizeof(SCSI_DEVICE_INFORMATION) == 256);

// Vendor inquiry page of a device behind the controller.
struct SCSI_TALVANE_INQUIRY_DATA {
    SCSI_DEVICE_INFO deviceInfo;
    char sVendorID[8];
    char sProductID[16];
    char sProductRevisionLevel[4];
    std::uint8_t reserved[220];
};
static_assert(offsetof(SCSI_TALVANE_INQUIRY_DATA, deviceInfo) == 0);
static_assert(offsetof(SCSI_TALVANE_INQUIRY_DATA, sVendorID) == 8);
static_assert(offsetof(SCSI_TALVANE_INQUIRY_DATA, sProductID) == 16);
static_assert(offsetof(SCSI_TALVANE_INQUIRY_DATA, sProductRevisionLevel) == 32);
static_assert(offsetof(SCSI_TALVANE_INQUIRY_DATA, reserved) == 36);
static_assert(sizeof(SCSI_TALVANE_INQUIRY_DATA) == 256);

// Three inquiries of a non-disk device (tape) with their status (0x92).
struct PASS_THROUGH_SPECIAL_INQUIRY {
    std::uint32_t dwNumberInquiryCommands;
    std::uint8_t bInquiryCAMStatus;
    std::uint8_t bInquirySCSIStatus;
    std::uint8_t bInquirySenseErrorCode;
    std::uint8_t bInquirySenseKey;
    std::uint32_t dwInquirySenseInfo;
    std::uint8_t bInquiryAdditionalSenseCode;
    std::uint8_t bInquiryAdditionalSenseCodeQualifier;
    SCSI_STANDARD_INQUIRY_DATA standardInquiryResponse;
    std::uint8_t bDeviceInformationPageCAMStatus;
    std::uint8_t bDeviceInformationPageSCSIStatus;
    std::uint8_t bDeviceInformationPageSenseErrorCode;
    std::uint8_t bDeviceInformationPageSenseKey;
    std::uint32_t dwDeviceInformationPageSenseInfo;
    std::uint8_t bDeviceInformationPageAdditionalSenseCode;
    std::uint8_t bDeviceInformationPageAdditionalSenseCodeQualifier;
    SCSI_DEVICE_INFORMATION deviceInformationResponse;
    std::uint8_t bTalvaneInquiryPageCAMStatus;
    std::uint8_t bTalvaneInquiryPageSCSIStatus;
    std::uint8_t bTalvaneInquiryPageSenseErrorCode;
    std::uint8_t bTalvaneInquiryPageSenseKey;
    std::uint32_t dwTalvaneInquiryPageSenseInfo;
    std::uint8_t bTalvaneInquiryPageAdditionalSenseCode;
    std::uint8_t bTalvaneInquiryPageAdditionalSenseCodeQualifier;
    SCSI_TALVANE_INQUIRY_DATA talvaneInquiryResponse;
};
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, dwNumberInquiryCommands) == 0);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bInquiryCAMStatus) == 4);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bInquirySCSIStatus) == 5);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bInquirySenseErrorCode) == 6);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bInquirySenseKey) == 7);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, dwInquirySenseInfo) == 8);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bInquiryAdditionalSenseCode) == 12);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bInquiryAdditionalSenseCodeQualifier) == 13);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, standardInquiryResponse) == 14);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bDeviceInformationPageCAMStatus) == 270);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bDeviceInformationPageSCSIStatus) == 271);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bDeviceInformationPageSenseErrorCode) == 272);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bDeviceInformationPageSenseKey) == 273);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, dwDeviceInformationPageSenseInfo) == 274);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bDeviceInformationPageAdditionalSenseCode) == 278);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bDeviceInformationPageAdditionalSenseCodeQualifier) == 279);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, deviceInformationResponse) == 280);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bTalvaneInquiryPageCAMStatus) == 536);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bTalvaneInquiryPageSCSIStatus) == 537);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bTalvaneInquiryPageSenseErrorCode) == 538);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bTalvaneInquiryPageSenseKey) == 539);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, dwTalvaneInquiryPageSenseInfo) == 540);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bTalvaneInquiryPageAdditionalSenseCode) == 544);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, bTalvaneInquiryPageAdditionalSenseCodeQualifier) == 545);
static_assert(offsetof(PASS_THROUGH_SPECIAL_INQUIRY, talvaneInquiryResponse) == 546);
static_assert(sizeof(PASS_THROUGH_SPECIAL_INQUIRY) == 802);

#pragma pack(pop)
