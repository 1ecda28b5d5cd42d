// Storage-system buffers: subsystem identity and ports, buses and enclosures, external boxes,
// host connection names.
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

// One port of a controller: its PHYs and its two-character name.
struct PHYSICAL_PORT_INFO {
    std::uint32_t dwControllerPhyMap;
    char sPhysicalPort[2];
    std::uint8_t reserved[2];
};
static_assert(offsetof(PHYSICAL_PORT_INFO, dwControllerPhyMap) == 0);
static_assert(offsetof(PHYSICAL_PORT_INFO, sPhysicalPort) == 4);
static_assert(offsetof(PHYSICAL_PORT_INFO, reserved) == 6);
static_assert(sizeof(PHYSICAL_PORT_INFO) == 8);

// Serial numbers and ports of a controller and its storage system (0x66).
struct SUBSYSTEM_PARAMETERS {
    std::uint8_t bControllerSlotNumber;
    std::uint8_t reserved3[3];
    char sChassisSerialNumber[32];
    char sPortName[8];
    char sControllerSerialNumber[32];
    char sCacheSerialNumber[32];
    char sLinkedPortName[8];
    char sLinkedControllerSerialNumber[32];
    char sLinkedCacheSerialNumber[32];
    char sSystemBoardSerialNumber[32];
    char sPowerBackplaneSerialNumber[32];
    char sSCSIDriveBackplaneSerialNumber[32];
    char sFanModuleSerialNumber[32];
    char sPowerSupply0SerialNumber[32];
    char sPowerSupply1SerialNumber[32];
    char sPowerBayFanModuleSerialNumber[32];
    char sFibreDaughterBoardSerialNumber[16];
    char sNodeName[8];
    char sDriveBackplane1SerialNumber[32];
    char sFanModule1SerialNumber[32];
    std::uint8_t bInternalPortCount;
    std::uint8_t bExternalPortCount;
    std::uint8_t reserved2[2];
    PHYSICAL_PORT_INFO internalPortInfo[8];
    PHYSICAL_PORT_INFO externalPortInfo[8];
    std::uint8_t reserved1[400];
};
static_assert(offsetof(SUBSYSTEM_PARAMETERS, bControllerSlotNumber) == 0);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, reserved3) == 1);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sChassisSerialNumber) == 4);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sPortName) == 36);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sControllerSerialNumber) == 44);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sCacheSerialNumber) == 76);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sLinkedPortName) == 108);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sLinkedControllerSerialNumber) == 116);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sLinkedCacheSerialNumber) == 148);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sSystemBoardSerialNumber) == 180);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sPowerBackplaneSerialNumber) == 212);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sSCSIDriveBackplaneSerialNumber) == 244);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sFanModuleSerialNumber) == 276);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sPowerSupply0SerialNumber) == 308);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sPowerSupply1SerialNumber) == 340);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sPowerBayFanModuleSerialNumber) == 372);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sFibreDaughterBoardSerialNumber) == 404);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sNodeName) == 420);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sDriveBackplane1SerialNumber) == 428);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, sFanModule1SerialNumber) == 460);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, bInternalPortCount) == 492);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, bExternalPortCount) == 493);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, reserved2) == 494);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, internalPortInfo) == 496);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, externalPortInfo) == 560);
static_assert(offsetof(SUBSYSTEM_PARAMETERS, reserved1) == 624);
static_assert(sizeof(SUBSYSTEM_PARAMETERS) == 1024);

// Standard inquiry data of an enclosure.
struct BOX_INQUIRY_DATA {
    std::uint8_t bPeripheralType;
    std::uint8_t bRMB;
    std::uint8_t bVersions;
    std::uint8_t bMisc;
    std::uint8_t bAdditionalLength;
    std::uint8_t reserved[2];
    std::uint8_t bSupportBits;
    char sVendorID[8];
    char sProductID[16];
    char sProductRevision[4];
};
static_assert(offsetof(BOX_INQUIRY_DATA, bPeripheralType) == 0);
static_assert(offsetof(BOX_INQUIRY_DATA, bRMB) == 1);
static_assert(offsetof(BOX_INQUIRY_DATA, bVersions) == 2);
static_assert(offsetof(BOX_INQUIRY_DATA, bMisc) == 3);
static_assert(offsetof(BOX_INQUIRY_DATA, bAdditionalLength) == 4);
static_assert(offsetof(BOX_INQUIRY_DATA, reserved) == 5);
static_assert(offsetof(BOX_INQUIRY_DATA, bSupportBits) == 7);
static_assert(offsetof(BOX_INQUIRY_DATA, sVendorID) == 8);
static_assert(offsetof(BOX_INQUIRY_DATA, sProductID) == 16);
static_assert(offsetof(BOX_INQUIRY_DATA, sProductRevision) == 32);
static_assert(sizeof(BOX_INQUIRY_DATA) == 36);

// Enclosure alarm and temperature state.
struct ALARM_STRUCTURE {
    std::uint8_t bAlarmStatus;
    std::uint8_t bTempStatus;
    std::uint8_t bValidAlarmBits;
    std::uint16_t wAlarmCount;
    std::uint16_t wSpecificAlarmCounts[8];
};
static_assert(offsetof(ALARM_STRUCTURE, bAlarmStatus) == 0);
static_assert(offsetof(ALARM_STRUCTURE, bTempStatus) == 1);
static_assert(offsetof(ALARM_STRUCTURE, bValidAlarmBits) == 2);
static_assert(offsetof(ALARM_STRUCTURE, wAlarmCount) == 3);
static_assert(offsetof(ALARM_STRUCTURE, wSpecificAlarmCounts) == 5);
static_assert(sizeof(ALARM_STRUCTURE) == 21);

// One bus of the controller: its enclosure, drives and faults (0x65).
struct SENSE_BUS_PARAMETERS {
    BOX_INQUIRY_DATA boxInquiryData;
    std::uint8_t bInquiryValid;
    std::uint32_t dwInstalledDriveBitmap;
    std::uint16_t wHotPlugCount[32];
    std::uint8_t bPhysicalBox;
    std::uint8_t reserved3;
    ALARM_STRUCTURE alarmData;
    std::uint16_t wConnectionInfo;
    std::uint8_t bSCSIDeviceRevision;
    std::uint8_t bFanStatus;
    std::uint8_t bMoreInquiryData[64];
    std::uint32_t dwSCSIDeviceType;
    std::uint32_t dwBusBitmap;
    std::uint32_t dwInterruptCount;
    std::uint32_t dwUltraBusFaults;
    std::uint8_t bSCSIInitiatorID;
    std::uint8_t bSCSITargetID;
    char sPhysicalPort[2];
    std::uint8_t pbBigInstalledDriveBitmap[16];
    std::uint8_t pbBigBusBitmap[16];
    std::uint8_t pbBigBoxBitmap[16];
    std::uint8_t bInstalledBoxMap;
    std::uint8_t bMoreConnectionInfo;
    std::uint8_t bBayCount;
    std::uint8_t bExpanderCount;
    char sChassisSerialNumber[40];
    std::uint32_t dwFastBusFaults;
    std::uint32_t dwUltra2BusFaults;
    std::uint32_t dwUltra3BusFaults;
    std::uint32_t dwUltra320BusFaults;
    std::uint8_t bSEPCount;
    std::uint8_t bSEPDeviceTypes[16];
    std::uint16_t wSEPDeviceNumbers[16];
    std::uint16_t wExpanderDeviceNumbers[16];
    std::uint16_t wOffsetToExtendedInstalledDriveBitmap;
    std::uint16_t wOffsetToExtendedBusBitmap;
    std::uint16_t wOffsetToExtendedBoxBitmap;
    std::uint8_t reserved1[101];
};
static_assert(offsetof(SENSE_BUS_PARAMETERS, boxInquiryData) == 0);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bInquiryValid) == 36);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwInstalledDriveBitmap) == 37);
static_assert(offsetof(SENSE_BUS_PARAMETERS, wHotPlugCount) == 41);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bPhysicalBox) == 105);
static_assert(offsetof(SENSE_BUS_PARAMETERS, reserved3) == 106);
static_assert(offsetof(SENSE_BUS_PARAMETERS, alarmData) == 107);
static_assert(offsetof(SENSE_BUS_PARAMETERS, wConnectionInfo) == 128);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bSCSIDeviceRevision) == 130);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bFanStatus) == 131);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bMoreInquiryData) == 132);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwSCSIDeviceType) == 196);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwBusBitmap) == 200);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwInterruptCount) == 204);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwUltraBusFaults) == 208);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bSCSIInitiatorID) == 212);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bSCSITargetID) == 213);
static_assert(offsetof(SENSE_BUS_PARAMETERS, sPhysicalPort) == 214);
static_assert(offsetof(SENSE_BUS_PARAMETERS, pbBigInstalledDriveBitmap) == 216);
static_assert(offsetof(SENSE_BUS_PARAMETERS, pbBigBusBitmap) == 232);
static_assert(offsetof(SENSE_BUS_PARAMETERS, pbBigBoxBitmap) == 248);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bInstalledBoxMap) == 264);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bMoreConnectionInfo) == 265);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bBayCount) == 266);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bExpanderCount) == 267);
static_assert(offsetof(SENSE_BUS_PARAMETERS, sChassisSerialNumber) == 268);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwFastBusFaults) == 308);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwUltra2BusFaults) == 312);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwUltra3BusFaults) == 316);
static_assert(offsetof(SENSE_BUS_PARAMETERS, dwUltra320BusFaults) == 320);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bSEPCount) == 324);
static_assert(offsetof(SENSE_BUS_PARAMETERS, bSEPDeviceTypes) == 325);
static_assert(offsetof(SENSE_BUS_PARAMETERS, wSEPDeviceNumbers) == 341);
static_assert(offsetof(SENSE_BUS_PARAMETERS, wExpanderDeviceNumbers) == 373);
static_assert(offsetof(SENSE_BUS_PARAMETERS, wOffsetToExtendedInstalledDriveBitmap) == 405);
static_assert(offsetof(SENSE_BUS_PARAMETERS, wOffsetToExtendedBusBitmap) == 407);
static_assert(offsetof(SENSE_BUS_PARAMETERS, wOffsetToExtendedBoxBitmap) == 409);
static_assert(offsetof(SENSE_BUS_PARAMETERS, reserved1) == 411);
static_assert(sizeof(SENSE_BUS_PARAMETERS) == 512);

// Fans, power supplies and temperature of an external storage system (0x67).
struct EXTERNAL_BOX_PARAMETERS {
    std::uint8_t bFanStatus[8];
    std::uint8_t bPowerSupplyStatus[8];
    std::uint8_t bVoltageRegulatorModuleStatus[8];
    std::uint8_t bTemperatureTripPoint;
    std::uint8_t bTemperatureAlarmPoint;
    std::uint8_t bTemperatureHysteresis;
    std::uint8_t reserved2;
    std::uint8_t bTemperatureSensorStatus[16];
    BOX_INQUIRY_DATA boxInquiryData;
    std::uint8_t reserved1[432];
};
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, bFanStatus) == 0);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, bPowerSupplyStatus) == 8);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, bVoltageRegulatorModuleStatus) == 16);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, bTemperatureTripPoint) == 24);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, bTemperatureAlarmPoint) == 25);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, bTemperatureHysteresis) == 26);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, reserved2) == 27);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, bTemperatureSensorStatus) == 28);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, boxInquiryData) == 44);
static_assert(offsetof(EXTERNAL_BOX_PARAMETERS, reserved1) == 80);
static_assert(sizeof(EXTERNAL_BOX_PARAMETERS) == 512);

// One host connection known to the controller. bInitiatorID is the adapter's 8-byte port
// world-wide name, most significant byte first; an entry whose id is all zero is unused.
// sConnectionName is the administrator's name for the adapter, NUL-padded and not necessarily
// terminated; all NULs means "no name". bHostMode is the host mode number (0 = the default mode).
struct CONNECTION_NAME_INTIATORID_ENTRY {
    std::uint8_t bInitiatorID[8];
    char sConnectionName[16];
    std::uint8_t bHostMode;
    std::uint8_t reserved[7];
};
static_assert(offsetof(CONNECTION_NAME_INTIATORID_ENTRY, bInitiatorID) == 0);
static_assert(offsetof(CONNECTION_NAME_INTIATORID_ENTRY, sConnectionName) == 8);
static_assert(offsetof(CONNECTION_NAME_INTIATORID_ENTRY, bHostMode) == 24);
static_assert(offsetof(CONNECTION_NAME_INTIATORID_ENTRY, reserved) == 25);
static_assert(sizeof(CONNECTION_NAME_INTIATORID_ENTRY) == 32);

// Host connection names (read 0xD7, write 0xD6): 64 fixed slots of 32 bytes. The controller
// keeps the slots in the order it learned the adapters; a writer sends back the whole table with
// the changed entries, keeping the other slots as they were read.
struct CONNECTION_NAME_INTIATORID_ENTRIES {
    CONNECTION_NAME_INTIATORID_ENTRY entry[64];
};
static_assert(offsetof(CONNECTION_NAME_INTIATORID_ENTRIES, entry) == 0);
static_assert(sizeof(CONNECTION_NAME_INTIATORID_ENTRIES) == 2048);

#pragma pack(pop)
