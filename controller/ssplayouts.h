// Parameter data of the controller firmware's selective storage presentation (access lists),
// host modes and host attributes: SCSI opcodes 0x86 (report) and 0x87 (manage), the service in
// command block byte 1. Packed little-endian like the BMIC buffers; shared by the tool and the
// simulated library so that both read the same records.
#ifndef VNL_CONTROLLER_SSPLAYOUTS_H
#define VNL_CONTROLLER_SSPLAYOUTS_H

#include <cstddef>
#include <cstdint>

#include "controller/scsiservices.h"

// Services of command block byte 1.
enum SspService : std::uint8_t {
    SSP_SERVICE_SSP1_ACL = 1, // 0x86: SSP1ReportACL      0x87: SSP1ManageACL
    SSP_SERVICE_SSP2_ACL = 2, // 0x86: SSP2ReportACL      0x87: SSP2ManageACL
    SSP_SERVICE_HOST_MODES = 3, // 0x86: ReportHostModes    0x87: SSP2DisableACL
    SSP_SERVICE_HOST_ATTRIBUTES = 4 // 0x86: ReportHostAttributes 0x87: MaintainHostAttributes
};

#pragma pack(push, 1)

// Start of every access-list report and manage request.
struct SSP_ACL_HEADER {
    std::uint32_t dwEntryCount;
    std::uint8_t bSspEnabled; // report: SSP state; manage: 1 enables SSP
    std::uint8_t reserved[3];
};
static_assert(offsetof(SSP_ACL_HEADER, dwEntryCount) == 0);
static_assert(offsetof(SSP_ACL_HEADER, bSspEnabled) == 4);
static_assert(offsetof(SSP_ACL_HEADER, reserved) == 5);
static_assert(sizeof(SSP_ACL_HEADER) == 8);

// One initiator of an SSP1 access list: the logical drives it may reach.
struct SSP1_ACL_ENTRY {
    std::uint8_t bInitiatorID[8]; // port world-wide name, most significant byte first
    std::uint8_t pbLunMap[16]; // bit n = logical drive n
    std::uint8_t reserved[8];
};
static_assert(offsetof(SSP1_ACL_ENTRY, bInitiatorID) == 0);
static_assert(offsetof(SSP1_ACL_ENTRY, pbLunMap) == 8);
static_assert(offsetof(SSP1_ACL_ENTRY, reserved) == 24);
static_assert(sizeof(SSP1_ACL_ENTRY) == 32);

struct SSP1_ACL_REPORT {
    SSP_ACL_HEADER header;
    SSP1_ACL_ENTRY entry[80];
};
static_assert(offsetof(SSP1_ACL_REPORT, entry) == 8);
static_assert(sizeof(SSP1_ACL_REPORT) == 2568);

// One initiator of an SSP2 access list, with its name and host mode.
struct SSP2_ACL_ENTRY {
    std::uint8_t bInitiatorID[8];
    char sConnectionName[16];
    std::uint8_t bHostMode;
    std::uint8_t bFlags; // bit 0: the initiator is logged in (online)
    std::uint8_t reserved[6];
    std::uint8_t pbLunMap[16];
};
static_assert(offsetof(SSP2_ACL_ENTRY, bInitiatorID) == 0);
static_assert(offsetof(SSP2_ACL_ENTRY, sConnectionName) == 8);
static_assert(offsetof(SSP2_ACL_ENTRY, bHostMode) == 24);
static_assert(offsetof(SSP2_ACL_ENTRY, bFlags) == 25);
static_assert(offsetof(SSP2_ACL_ENTRY, reserved) == 26);
static_assert(offsetof(SSP2_ACL_ENTRY, pbLunMap) == 32);
static_assert(sizeof(SSP2_ACL_ENTRY) == 48);

struct SSP2_ACL_REPORT {
    SSP_ACL_HEADER header;
    SSP2_ACL_ENTRY entry[1274];
};
static_assert(offsetof(SSP2_ACL_REPORT, entry) == 8);
static_assert(sizeof(SSP2_ACL_REPORT) == 61160);

// Host modes and host attributes share a 28-byte header.
struct HOST_LIST_HEADER {
    std::uint32_t dwEntryCount;
    std::uint8_t reserved[24];
};
static_assert(offsetof(HOST_LIST_HEADER, dwEntryCount) == 0);
static_assert(offsetof(HOST_LIST_HEADER, reserved) == 4);
static_assert(sizeof(HOST_LIST_HEADER) == 28);

struct HOST_MODE_ENTRY {
    std::uint8_t bModeNumber;
    std::uint8_t reserved[3];
    char sModeName[36];
};
static_assert(offsetof(HOST_MODE_ENTRY, bModeNumber) == 0);
static_assert(offsetof(HOST_MODE_ENTRY, reserved) == 1);
static_assert(offsetof(HOST_MODE_ENTRY, sModeName) == 4);
static_assert(sizeof(HOST_MODE_ENTRY) == 40);

struct HOST_MODE_REPORT {
    HOST_LIST_HEADER header;
    HOST_MODE_ENTRY entry[64];
};
static_assert(offsetof(HOST_MODE_REPORT, entry) == 28);
static_assert(sizeof(HOST_MODE_REPORT) == 2588);

struct HOST_ATTRIBUTE_ENTRY {
    std::uint8_t bInitiatorID[8];
    std::uint8_t bHostMode;
    std::uint8_t bFlags; // bit 0: online
    std::uint8_t reserved1[2];
    char sConnectionName[16];
    std::uint8_t reserved2[12];
};
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, bInitiatorID) == 0);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, bHostMode) == 8);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, bFlags) == 9);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, reserved1) == 10);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, sConnectionName) == 12);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, reserved2) == 28);
static_assert(sizeof(HOST_ATTRIBUTE_ENTRY) == 40);

// Report: header and up to 126 entries. Maintain: header and dwEntryCount entries.
struct HOST_ATTRIBUTE_REPORT {
    HOST_LIST_HEADER header;
    HOST_ATTRIBUTE_ENTRY entry[126];
    std::uint8_t reserved[20];
};
static_assert(offsetof(HOST_ATTRIBUTE_REPORT, entry) == 28);
static_assert(offsetof(HOST_ATTRIBUTE_REPORT, reserved) == 5068);
static_assert(sizeof(HOST_ATTRIBUTE_REPORT) == 5088);

#pragma pack(pop)

// The records and the lengths the tool's commands ask for must agree.
static_assert(sizeof(SSP1_ACL_REPORT) == SCSI_SSP1_ACL_LENGTH);
static_assert(sizeof(SSP2_ACL_REPORT) == SCSI_SSP2_ACL_LENGTH);
static_assert(sizeof(HOST_MODE_REPORT) == SCSI_HOST_MODES_LENGTH);
static_assert(sizeof(HOST_ATTRIBUTE_REPORT) == SCSI_HOST_ATTRIBUTES_LENGTH);
static_assert(sizeof(HOST_LIST_HEADER) == SCSI_HOST_ATTRIBUTES_HEADER_LENGTH);
static_assert(sizeof(HOST_ATTRIBUTE_ENTRY) == SCSI_HOST_ATTRIBUTES_ENTRY_LENGTH);

#endif
