// bmicbyteorder - ConvertByteOrder for every BMIC buffer the command set
// exchanges that has multi-byte fields: each converts the buffer's word,
// double-word and quad-word fields between the controller's little-endian
// order and the host's (in either direction; the conversion is its own
// inverse). Buffers of bytes and text need no conversion and have no entry.
#ifndef CONTROLLER_BMICBYTEORDER_H
#define CONTROLLER_BMICBYTEORDER_H

#include "controller/bmicbits.h"
#include "controller/bmiclayouts.h"

inline void ConvertByteOrder(std::uint32_t& word)
{
    word = LittleEndianToHost(word);
}

inline void ConvertByteOrder(IDENTIFY_LOGICAL_DRIVE& b)
{
    b.wBlockSize = LittleEndianToHost(b.wBlockSize);
    b.dwBlocksOnVolume = LittleEndianToHost(b.dwBlocksOnVolume);
    b.dwVolumeIdentifier = LittleEndianToHost(b.dwVolumeIdentifier);
    b.qwBigBlocksInLogicalDrive = LittleEndianToHost(b.qwBigBlocksInLogicalDrive);
}

inline void ConvertByteOrder(IDENTIFY_CONTROLLER& b)
{
    b.dwConfigurationSignature = LittleEndianToHost(b.dwConfigurationSignature);
    b.dwDrivePresentBitmap = LittleEndianToHost(b.dwDrivePresentBitmap);
    b.dwExternalDriveBitmap = LittleEndianToHost(b.dwExternalDriveBitmap);
    b.dwBoardID = LittleEndianToHost(b.dwBoardID);
    b.dwNonDiskMap = LittleEndianToHost(b.dwNonDiskMap);
    b.dwMaximumBlocks = LittleEndianToHost(b.dwMaximumBlocks);
    b.dwControllerClock = LittleEndianToHost(b.dwControllerClock);
    b.wTaskFlags = LittleEndianToHost(b.wTaskFlags);
    b.dwRedundantServerInfo = LittleEndianToHost(b.dwRedundantServerInfo);
    b.wDaughterboardSizeInMB = LittleEndianToHost(b.wDaughterboardSizeInMB);
    b.wTotalAvailableMemorySize = LittleEndianToHost(b.wTotalAvailableMemorySize);
    b.wMaximumLogicalUnitsSupported = LittleEndianToHost(b.wMaximumLogicalUnitsSupported);
    b.wExtendedLogicalUnitCount = LittleEndianToHost(b.wExtendedLogicalUnitCount);
    b.wMaximumPhysicalDevicesSupported = LittleEndianToHost(b.wMaximumPhysicalDevicesSupported);
    b.wMaximumPhysicalDrivesPerLogicalUnit = LittleEndianToHost(b.wMaximumPhysicalDrivesPerLogicalUnit);
    b.wOffsetToExtendedDrivePresentBitmap = LittleEndianToHost(b.wOffsetToExtendedDrivePresentBitmap);
    b.wOffsetToExtendedExternalDrivePresentBitmap = LittleEndianToHost(b.wOffsetToExtendedExternalDrivePresentBitmap);
    b.wOffsetToExtendedNonDiskBitmap = LittleEndianToHost(b.wOffsetToExtendedNonDiskBitmap);
    b.dwYetMoreControllerFlags = LittleEndianToHost(b.dwYetMoreControllerFlags);
    b.dwMaximumSafeFullStripeSizeMB = LittleEndianToHost(b.dwMaximumSafeFullStripeSizeMB);
}

inline void ConvertByteOrder(LOGICAL_DRIVE_STATUS& b)
{
    b.dwDriveFailureBitmap = LittleEndianToHost(b.dwDriveFailureBitmap);
    b.dwBlocksLeftToRecover = LittleEndianToHost(b.dwBlocksLeftToRecover);
    b.dwReplacementDriveBitmap = LittleEndianToHost(b.dwReplacementDriveBitmap);
    b.dwActiveSpareBitmap = LittleEndianToHost(b.dwActiveSpareBitmap);
    b.dwReplaceMarkedOKBitmap = LittleEndianToHost(b.dwReplaceMarkedOKBitmap);
    b.qwBigBlocksLeftToRecover = LittleEndianToHost(b.qwBigBlocksLeftToRecover);
    b.wNeverAccessedLBAZonesBitmap = LittleEndianToHost(b.wNeverAccessedLBAZonesBitmap);
    b.wUnwrittenLBAZonesBitmap = LittleEndianToHost(b.wUnwrittenLBAZonesBitmap);
    b.wExtendedDriveRebuilding = LittleEndianToHost(b.wExtendedDriveRebuilding);
    b.wOffsetToExtendedDriveFailureBitmap = LittleEndianToHost(b.wOffsetToExtendedDriveFailureBitmap);
    b.wOffsetToExtendedReplacementDriveBitmap = LittleEndianToHost(b.wOffsetToExtendedReplacementDriveBitmap);
    b.wOffsetToExtendedActiveSpareBitmap = LittleEndianToHost(b.wOffsetToExtendedActiveSpareBitmap);
    b.wOffsetToExtendedReplacedMarkedOKBitmap = LittleEndianToHost(b.wOffsetToExtendedReplacedMarkedOKBitmap);
    b.wOffsetToExtendedSpareToReplaceArray = LittleEndianToHost(b.wOffsetToExtendedSpareToReplaceArray);
    b.wOffsetToExtendedRemapCountArray = LittleEndianToHost(b.wOffsetToExtendedRemapCountArray);
}

inline void ConvertByteOrder(PHYSICAL_DRIVE_STATUS& b)
{
    b.wBlockSize = LittleEndianToHost(b.wBlockSize);
    b.dwTotalBlocks = LittleEndianToHost(b.dwTotalBlocks);
    b.dwReservedBlocks = LittleEndianToHost(b.dwReservedBlocks);
    b.dwSpiSpeedRules = LittleEndianToHost(b.dwSpiSpeedRules);
    b.dwRPM = LittleEndianToHost(b.dwRPM);
    b.qwBIGTotalBlockCount = LittleEndianToHost(b.qwBIGTotalBlockCount);
    b.qwRISStartingLBA = LittleEndianToHost(b.qwRISStartingLBA);
    b.dwRISSize = LittleEndianToHost(b.dwRISSize);
    b.wPHYCount = LittleEndianToHost(b.wPHYCount);
}

inline void ConvertByteOrder(MAINTENANCE_OPERATION& b)
{
    b.dwDuration = LittleEndianToHost(b.dwDuration);
    b.dwElapsed = LittleEndianToHost(b.dwElapsed);
}

inline void ConvertByteOrder(LOGICAL_DRIVE_CONFIG& b)
{
    b.dwSignature = LittleEndianToHost(b.dwSignature);
    b.wCPCPort = LittleEndianToHost(b.wCPCPort);
    b.wPhysicalDrives = LittleEndianToHost(b.wPhysicalDrives);
    b.wAssignedDrives = LittleEndianToHost(b.wAssignedDrives);
    b.wFaultTolerance = LittleEndianToHost(b.wFaultTolerance);
    b.wDrivesConsumedForFaultTolerance = LittleEndianToHost(b.wDrivesConsumedForFaultTolerance);
    b.qwBigBlocksInLogicalDrive = LittleEndianToHost(b.qwBigBlocksInLogicalDrive);
    b.wBlockSize = LittleEndianToHost(b.wBlockSize);
    b.dwAssignedDriveBitmap = LittleEndianToHost(b.dwAssignedDriveBitmap);
    b.wDistribution = LittleEndianToHost(b.wDistribution);
    b.dwSpareAssignmentBitmap = LittleEndianToHost(b.dwSpareAssignmentBitmap);
    b.dwOtherVolumeSignature = LittleEndianToHost(b.dwOtherVolumeSignature);
    b.wOS = LittleEndianToHost(b.wOS);
    b.dwDataOffset = LittleEndianToHost(b.dwDataOffset);
    b.dwBlocksOnVolume = LittleEndianToHost(b.dwBlocksOnVolume);
    b.dwBlocksPerDrive = LittleEndianToHost(b.dwBlocksPerDrive);
    b.wExtendedSnapshotSourceVolume = LittleEndianToHost(b.wExtendedSnapshotSourceVolume);
    b.wOtherVolumeDriveNumber = LittleEndianToHost(b.wOtherVolumeDriveNumber);
    b.qwExtendedOffsetToData = LittleEndianToHost(b.qwExtendedOffsetToData);
    b.qwExtendedBlocksPerDrive = LittleEndianToHost(b.qwExtendedBlocksPerDrive);
    b.wOffsetToExtendedDriveAssignmentBitmap = LittleEndianToHost(b.wOffsetToExtendedDriveAssignmentBitmap);
    b.wOffsetToExtendedSpareAssignmentBitmap = LittleEndianToHost(b.wOffsetToExtendedSpareAssignmentBitmap);
    b.wOffsetToExtendedPhysicalDriveListArray = LittleEndianToHost(b.wOffsetToExtendedPhysicalDriveListArray);
}

inline void ConvertByteOrder(LABEL_LOGICAL_DRIVE& b)
{
    b.dwLogicalDriveIdentifier = LittleEndianToHost(b.dwLogicalDriveIdentifier);
}

inline void ConvertByteOrder(SENSE_EXPANSION_ABILITY& b)
{
    b.dwSupportFlags = LittleEndianToHost(b.dwSupportFlags);
    b.dwExpansionMemorySize = LittleEndianToHost(b.dwExpansionMemorySize);
}

inline void ConvertByteOrder(SURFACE_DELAY& b)
{
    b.wDelay = LittleEndianToHost(b.wDelay);
}

inline void ConvertByteOrder(CONTROLLER_PARAMETERS& b)
{
    b.wParityStripes = LittleEndianToHost(b.wParityStripes);
    b.wMaxDriverRequests = LittleEndianToHost(b.wMaxDriverRequests);
    b.wElevatorTrend = LittleEndianToHost(b.wElevatorTrend);
    b.dwOSSpecific = LittleEndianToHost(b.dwOSSpecific);
    b.dwMaxCoalesceDelay = LittleEndianToHost(b.dwMaxCoalesceDelay);
}

inline void ConvertByteOrder(SENSE_BUS_PARAMETERS& b)
{
    b.dwInstalledDriveBitmap = LittleEndianToHost(b.dwInstalledDriveBitmap);
    b.wConnectionInfo = LittleEndianToHost(b.wConnectionInfo);
    b.dwSCSIDeviceType = LittleEndianToHost(b.dwSCSIDeviceType);
    b.dwBusBitmap = LittleEndianToHost(b.dwBusBitmap);
    b.dwInterruptCount = LittleEndianToHost(b.dwInterruptCount);
    b.dwUltraBusFaults = LittleEndianToHost(b.dwUltraBusFaults);
    b.dwFastBusFaults = LittleEndianToHost(b.dwFastBusFaults);
    b.dwUltra2BusFaults = LittleEndianToHost(b.dwUltra2BusFaults);
    b.dwUltra3BusFaults = LittleEndianToHost(b.dwUltra3BusFaults);
    b.dwUltra320BusFaults = LittleEndianToHost(b.dwUltra320BusFaults);
    b.wOffsetToExtendedInstalledDriveBitmap = LittleEndianToHost(b.wOffsetToExtendedInstalledDriveBitmap);
    b.wOffsetToExtendedBusBitmap = LittleEndianToHost(b.wOffsetToExtendedBusBitmap);
    b.wOffsetToExtendedBoxBitmap = LittleEndianToHost(b.wOffsetToExtendedBoxBitmap);
}

inline void ConvertByteOrder(SURFACE_STATUS& b)
{
    b.wCurrentDrive = LittleEndianToHost(b.wCurrentDrive);
    b.wTimerRemaining = LittleEndianToHost(b.wTimerRemaining);
    b.wSurfaceDelay = LittleEndianToHost(b.wSurfaceDelay);
    b.wCurrentVolume = LittleEndianToHost(b.wCurrentVolume);
    b.wOffsetToExtendedSurfaceAnalysisStatus = LittleEndianToHost(b.wOffsetToExtendedSurfaceAnalysisStatus);
    b.wOffsetToExtendedSurfaceAnalysisPassTime = LittleEndianToHost(b.wOffsetToExtendedSurfaceAnalysisPassTime);
    b.wOffsetToExtendedSurfaceAnalysisPassCount = LittleEndianToHost(b.wOffsetToExtendedSurfaceAnalysisPassCount);
    b.wOffsetToExtendedControllerResets = LittleEndianToHost(b.wOffsetToExtendedControllerResets);
    b.wOffsetToExtendedBlocksReassigned = LittleEndianToHost(b.wOffsetToExtendedBlocksReassigned);
    b.wOffsetToExtendedInconsistentBlock = LittleEndianToHost(b.wOffsetToExtendedInconsistentBlock);
    b.wOffsetToExtendedCurrentBlock = LittleEndianToHost(b.wOffsetToExtendedCurrentBlock);
}

inline void ConvertByteOrder(REDUNDANT_CONTROLLER_PARAMETERS& b)
{
    b.dwWarningCodes = LittleEndianToHost(b.dwWarningCodes);
    b.wLinked16bitIOAddress = LittleEndianToHost(b.wLinked16bitIOAddress);
    b.dwLinkedMemoryAddress = LittleEndianToHost(b.dwLinkedMemoryAddress);
    b.wAdditionalFlags = LittleEndianToHost(b.wAdditionalFlags);
    b.dwLinked32bitIOAddress = LittleEndianToHost(b.dwLinked32bitIOAddress);
    b.dwCurrentLunOwnership = LittleEndianToHost(b.dwCurrentLunOwnership);
    b.dwPrefferedLunOwnership = LittleEndianToHost(b.dwPrefferedLunOwnership);
}

inline void ConvertByteOrder(PASS_THROUGH_SPECIAL_INQUIRY& b)
{
    b.dwNumberInquiryCommands = LittleEndianToHost(b.dwNumberInquiryCommands);
    b.dwInquirySenseInfo = LittleEndianToHost(b.dwInquirySenseInfo);
    b.dwDeviceInformationPageSenseInfo = LittleEndianToHost(b.dwDeviceInformationPageSenseInfo);
    b.dwTalvaneInquiryPageSenseInfo = LittleEndianToHost(b.dwTalvaneInquiryPageSenseInfo);
}

inline void ConvertByteOrder(SENSE_MNP_STATISTICS& b)
{
    b.dwReferenceTime = LittleEndianToHost(b.dwReferenceTime);
    b.qwSectorsRead = LittleEndianToHost(b.qwSectorsRead);
    b.dwReadErrorsHard = LittleEndianToHost(b.dwReadErrorsHard);
    b.dwReadErrorsRetryRecovered = LittleEndianToHost(b.dwReadErrorsRetryRecovered);
    b.qwReadErrorsECCCorrected = LittleEndianToHost(b.qwReadErrorsECCCorrected);
    b.qwSectorsWritten = LittleEndianToHost(b.qwSectorsWritten);
    b.dwWriteErrorsHard = LittleEndianToHost(b.dwWriteErrorsHard);
    b.dwWriteErrorsRetryRecovered = LittleEndianToHost(b.dwWriteErrorsRetryRecovered);
    b.qwSeekCount = LittleEndianToHost(b.qwSeekCount);
    b.qwSeekErrors = LittleEndianToHost(b.qwSeekErrors);
    b.dwSpinCycles = LittleEndianToHost(b.dwSpinCycles);
    b.wSpinUpTime = LittleEndianToHost(b.wSpinUpTime);
    b.wPerformanceTest1 = LittleEndianToHost(b.wPerformanceTest1);
    b.wPerformanceTest2 = LittleEndianToHost(b.wPerformanceTest2);
    b.wPerformanceTest3 = LittleEndianToHost(b.wPerformanceTest3);
    b.wPerformanceTest4 = LittleEndianToHost(b.wPerformanceTest4);
    b.dwReallocationSectors = LittleEndianToHost(b.dwReallocationSectors);
    b.dwReallocatedSectors = LittleEndianToHost(b.dwReallocatedSectors);
    b.wDRQTimeOuts = LittleEndianToHost(b.wDRQTimeOuts);
    b.wOtherTimeOuts = LittleEndianToHost(b.wOtherTimeOuts);
    b.wDriveRebuildCount = LittleEndianToHost(b.wDriveRebuildCount);
    b.wSpinRetries = LittleEndianToHost(b.wSpinRetries);
    b.wRecoversFailedRead = LittleEndianToHost(b.wRecoversFailedRead);
    b.wRecoversFailedWrite = LittleEndianToHost(b.wRecoversFailedWrite);
    b.wFormatErrors = LittleEndianToHost(b.wFormatErrors);
    b.wSelfTestFailures = LittleEndianToHost(b.wSelfTestFailures);
    b.dwNotReadyFailures = LittleEndianToHost(b.dwNotReadyFailures);
    b.dwRemapAbortFailures = LittleEndianToHost(b.dwRemapAbortFailures);
    b.dwIRQDeglitchCount = LittleEndianToHost(b.dwIRQDeglitchCount);
    b.dwBusFaults = LittleEndianToHost(b.dwBusFaults);
    b.dwHotPlugCount = LittleEndianToHost(b.dwHotPlugCount);
    b.wTrackRewriteErrors = LittleEndianToHost(b.wTrackRewriteErrors);
    b.wWriteErrorsAfterRemap = LittleEndianToHost(b.wWriteErrorsAfterRemap);
    b.wMediaFailures = LittleEndianToHost(b.wMediaFailures);
    b.wHardwareErrors = LittleEndianToHost(b.wHardwareErrors);
    b.wAbortedCommandFailures = LittleEndianToHost(b.wAbortedCommandFailures);
    b.wSpinUpFailures = LittleEndianToHost(b.wSpinUpFailures);
    b.wBadTargetCount = LittleEndianToHost(b.wBadTargetCount);
    b.dwPredictiveFailureErrors = LittleEndianToHost(b.dwPredictiveFailureErrors);
}

inline void ConvertByteOrder(MNP_PARAMETER_CONTROL& b)
{
    b.wSerialNumber = LittleEndianToHost(b.wSerialNumber);
    b.wFirmwareRevision = LittleEndianToHost(b.wFirmwareRevision);
    b.wProductRevision = LittleEndianToHost(b.wProductRevision);
    b.wReferenceTime = LittleEndianToHost(b.wReferenceTime);
    b.wSectorsRead = LittleEndianToHost(b.wSectorsRead);
    b.wReadErrorsHard = LittleEndianToHost(b.wReadErrorsHard);
    b.wReadErrorsRetryRecovered = LittleEndianToHost(b.wReadErrorsRetryRecovered);
    b.wReadErrorsECCCorrected = LittleEndianToHost(b.wReadErrorsECCCorrected);
    b.wSectorsWritten = LittleEndianToHost(b.wSectorsWritten);
    b.wWriteErrorsHard = LittleEndianToHost(b.wWriteErrorsHard);
    b.wWriteErrorsRetryRecovered = LittleEndianToHost(b.wWriteErrorsRetryRecovered);
    b.wSeekCount = LittleEndianToHost(b.wSeekCount);
    b.wSeekErrors = LittleEndianToHost(b.wSeekErrors);
    b.wSpinCycles = LittleEndianToHost(b.wSpinCycles);
    b.wSpinUpTime = LittleEndianToHost(b.wSpinUpTime);
    b.wPerformanceTest1 = LittleEndianToHost(b.wPerformanceTest1);
    b.wPerformanceTest2 = LittleEndianToHost(b.wPerformanceTest2);
    b.wPerformanceTest3 = LittleEndianToHost(b.wPerformanceTest3);
    b.wPerformanceTest4 = LittleEndianToHost(b.wPerformanceTest4);
    b.wReallocationSects = LittleEndianToHost(b.wReallocationSects);
    b.wReallocatedSects = LittleEndianToHost(b.wReallocatedSects);
    b.wDRQTimeouts = LittleEndianToHost(b.wDRQTimeouts);
    b.wOtherTimeouts = LittleEndianToHost(b.wOtherTimeouts);
    b.wDriveRebuildCount = LittleEndianToHost(b.wDriveRebuildCount);
    b.wSpinRetries = LittleEndianToHost(b.wSpinRetries);
    b.wRecoversFailedRead = LittleEndianToHost(b.wRecoversFailedRead);
    b.wRecoversFailedWrite = LittleEndianToHost(b.wRecoversFailedWrite);
    b.wFormatErrors = LittleEndianToHost(b.wFormatErrors);
    b.wSelfTestFailures = LittleEndianToHost(b.wSelfTestFailures);
    b.wNotReadyFailures = LittleEndianToHost(b.wNotReadyFailures);
    b.wRemapAbortFailures = LittleEndianToHost(b.wRemapAbortFailures);
    b.wIRQDeglitchCount = LittleEndianToHost(b.wIRQDeglitchCount);
    b.wBusFaults = LittleEndianToHost(b.wBusFaults);
    b.wHotPlugCount = LittleEndianToHost(b.wHotPlugCount);
    b.wTrackRewriteErrors = LittleEndianToHost(b.wTrackRewriteErrors);
    b.wWriteErrorsAfterRemap = LittleEndianToHost(b.wWriteErrorsAfterRemap);
    b.wBackgroundFirmwareRevision = LittleEndianToHost(b.wBackgroundFirmwareRevision);
    b.wMediaFailures = LittleEndianToHost(b.wMediaFailures);
    b.wHardwareErrors = LittleEndianToHost(b.wHardwareErrors);
    b.wAbortedCommandFailures = LittleEndianToHost(b.wAbortedCommandFailures);
    b.wSpinUpFailures = LittleEndianToHost(b.wSpinUpFailures);
    b.wBadTargetCount = LittleEndianToHost(b.wBadTargetCount);
    b.wPredictiveFailureErrors = LittleEndianToHost(b.wPredictiveFailureErrors);
}

inline void ConvertByteOrder(VOLUME_PROFILE_DATA_TOTAL& b)
{
    b.dwStartDate = LittleEndianToHost(b.dwStartDate);
    b.dwStartTime = LittleEndianToHost(b.dwStartTime);
}

inline void ConvertByteOrder(CACHE_CONFIG_STATUS& b)
{
    b.dwCacheDisabledMap = LittleEndianToHost(b.dwCacheDisabledMap);
    b.wReadCacheSize = LittleEndianToHost(b.wReadCacheSize);
    b.wWriteCacheSize = LittleEndianToHost(b.wWriteCacheSize);
    b.wOffsetToExtendedCacheDisabledUnitBitmap = LittleEndianToHost(b.wOffsetToExtendedCacheDisabledUnitBitmap);
    b.wOffsetToExtendedCacheFailureBitmap = LittleEndianToHost(b.wOffsetToExtendedCacheFailureBitmap);
    b.dwStatus = LittleEndianToHost(b.dwStatus);
    b.wDisableCode = LittleEndianToHost(b.wDisableCode);
    b.wTotalMemorySize = LittleEndianToHost(b.wTotalMemorySize);
    b.wBatteryCount = LittleEndianToHost(b.wBatteryCount);
    b.wBatteryStatus = LittleEndianToHost(b.wBatteryStatus);
    b.wParityReadErrors = LittleEndianToHost(b.wParityReadErrors);
    b.wParityWriteErrors = LittleEndianToHost(b.wParityWriteErrors);
    b.wFailedBatteries = LittleEndianToHost(b.wFailedBatteries);
    b.dwCacheFailureMap = LittleEndianToHost(b.dwCacheFailureMap);
    b.wNonBatteryBackedMemorySize = LittleEndianToHost(b.wNonBatteryBackedMemorySize);
    b.wTotalAvailableMemorySize = LittleEndianToHost(b.wTotalAvailableMemorySize);
}

inline void ConvertByteOrder(FLUSH_DISABLE_CACHE& b)
{
    b.wDisableFlag = LittleEndianToHost(b.wDisableFlag);
}

inline void ConvertByteOrder(FAIL_PHYSICAL_DRIVE_OPERATION& b)
{
    b.wPhysicalDrive = LittleEndianToHost(b.wPhysicalDrive);
}
#endif
