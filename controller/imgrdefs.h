/*
 * imgrdefs.h - the calling convention of the information-manager library libzqvimgr.so.
 *
 * Everything the tool and a library implementation must agree on: the entry points and their
 * argument lists, status codes, object kinds, information classes, control codes, transfer
 * directions and the packed little-endian records that travel through the entry points.
 * Plain C declarations with no other project header, so the library can be written in C or C++.
 *
 * Pointer fields of the request records are pointer-sized: 4 bytes on 32-bit hosts (records of
 * 40 and 48 bytes) and 8 bytes on 64-bit hosts (records of 48, 52 and 60 bytes); the field order
 * is the same on both. Always pass sizeof(record) as the record length.
 */
#ifndef VNL_CONTROLLER_IMGRDEFS_H
#define VNL_CONTROLLER_IMGRDEFS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define IMGR_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
extern "C" {
#else
#define IMGR_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#define IMGR_PACKED __attribute__((packed))

typedef uint32_t ImgrHandle;
typedef uint32_t ImgrStatus;

/* ---- Library name ---------------------------------------------------------------------- */
#define IMGR_LIBRARY_NAME "libzqvimgr.so"

/* ---- Status codes ---------------------------------------------------------------------- */
#define IMGR_STATUS_OK 0x00000000u
#define IMGR_STATUS_NO_MORE_OBJECTS 0x00000003u /* enumeration index past the last child */
#define IMGR_STATUS_NO_LIBRARY 0x80000003u /* library or its first entry point missing */
#define IMGR_STATUS_NO_ENTRY_POINT 0x80000004u /* the called entry point is missing */
#define IMGR_STATUS_BUFFER_UNDERRUN 0x8000000Cu /* the device took or gave less than offered */
#define IMGR_STATUS_BUFFER_OVERRUN 0x8000000Du /* the device had more data than the buffer */
#define IMGR_STATUS_BUFFER_TOO_SMALL 0x80000010u /* GetObjectInfo: *length now holds the need */
#define IMGR_STATUS_INVALID_HANDLE 0x80000011u
#define IMGR_STATUS_INVALID_REQUEST 0x80000012u

/* ---- Object kinds for InfoMgrOpenObject ------------------------------------------------- */
#define IMGR_OBJECT_HOST_BUS_ADAPTERS 0x4001u /* root of the host bus adapters */
#define IMGR_OBJECT_ARRAY_CONTROLLERS 0x4002u /* root of the local array controllers */

/* ---- Child kinds for InfoMgrEnumObject -------------------------------------------------- */
#define IMGR_ENUM_CHILDREN 0x8000u /* controllers of a root, adapters of a root */
#define IMGR_ENUM_LOGICAL_DRIVES 0x8003u /* logical drives of a controller */
#define IMGR_ENUM_DISK_EXTENTS 0x8008u /* disk extents of a SCSI device */
#define IMGR_ENUM_REMOTE_CONTROLLERS 0xC001u /* array controllers behind an adapter */

/* ---- Information classes for InfoMgrGetObjectInfo -------------------------------------- */
#define IMGR_INFO_HOST_DEVICE 1u /* ImgrHostDeviceInfo */
#define IMGR_INFO_FIBRE_DEVICE 2u /* ImgrFibreDeviceInfo */
#define IMGR_INFO_DRIVE_NUMBER 4u /* ImgrDriveNumberInfo */
#define IMGR_INFO_REMOTE_DEVICE 6u /* ImgrRemoteDeviceInfo */
#define IMGR_INFO_ACCESS_NAME 7u /* ImgrAccessNameInfo */
#define IMGR_INFO_SCSI_ADDRESS 8u /* ImgrScsiAddressInfo */
#define IMGR_INFO_DISK_EXTENTS 9u /* ImgrDiskExtentHeader + entries, variable length */

/* ---- Information classes for InfoMgrSetObjectInfo -------------------------------------- */
#define IMGR_SET_RESCAN_SCSI_BUS 0x6001u /* ten zero bytes */
#define IMGR_SET_DROP_LOGICAL_DRIVE 0x6002u /* a 16-bit zero */
#define IMGR_SET_EVENT_START 0x6003u /* handle 0 */
#define IMGR_SET_EVENT_STOP 0x6004u /* handle 0 */

#define IMGR_RESCAN_DATA_LENGTH 10u

/* ---- Control codes for InfoMgrControlObject --------------------------------------------- */
#define IMGR_CONTROL_BMIC 0x8001u /* ImgrBmicRecord */
#define IMGR_CONTROL_SCSI 0x8002u /* ImgrScsiRecord */
#define IMGR_CONTROL_SCSI_BY_ADDRESS 0x8005u /* ImgrScsiAddressRecord */

/* ---- Directions (third argument of InfoMgrControlObject) ------------------------------- */
#define IMGR_BMIC_DIRECTION_FROM_CONTROLLER 1u
#define IMGR_BMIC_DIRECTION_TO_CONTROLLER 2u
#define IMGR_BMIC_DIRECTION_NONE 3u

#define IMGR_SCSI_DIRECTION_IN 1u
#define IMGR_SCSI_DIRECTION_OUT 2u
#define IMGR_SCSI_DIRECTION_NONE 3u
#define IMGR_SCSI_DIRECTION_SPECIAL_IN 0x51u /* through the controller's special path */
#define IMGR_SCSI_DIRECTION_SPECIAL_OUT 0x52u /* through the controller's special path */

/* ---- Values found in the information records ------------------------------------------- */
#define IMGR_DEVICE_TYPE_ARRAY_CONTROLLER 2u /* ImgrHostDeviceInfo.wDeviceType */
#define IMGR_DEVICE_TYPE_FIBRE_ADAPTER 3u /* ImgrHostDeviceInfo.wDeviceType */
#define IMGR_DEVICE_TYPE_REMOTE_ARRAY_CONTROLLER 12u /* ImgrRemoteDeviceInfo.wDeviceType */
#define IMGR_REMOTE_CONTROLLER_TEXT "ARRAY CONTROLLER" /* ImgrRemoteDeviceInfo.szDeviceText */

#define IMGR_ADDRESSING_NONE 0u /* ImgrHostDeviceInfo.bAddressing */
#define IMGR_ADDRESSING_SLOT 1u /* bSlot is valid (255 = unknown) */
#define IMGR_ADDRESSING_CABINET 2u /* bCabinet .. bSlot are valid */

#define IMGR_PCI_DOMAIN_UNKNOWN 0xFFFFu
#define IMGR_PCI_BYTE_UNKNOWN 0xFFu
#define IMGR_PORT_NOT_APPLICABLE 0xFFu

#define IMGR_ACCESS_NAME_IN_USE 0x01u /* ImgrAccessNameInfo.bFlags */
#define IMGR_SCSI_ADDRESS_SPECIAL_PATH 0x02u /* ImgrScsiAddressInfo.dwFlags */
#define IMGR_DISK_EXTENT_PARTITION 1u /* ImgrDiskExtentEntry.dwEntryType */

/* ---- Information records ---------------------------------------------------------------- */

/* Class 1: a host-side device (array controller or host bus adapter), 616 bytes. */
typedef struct IMGR_PACKED ImgrHostDeviceInfo {
    uint16_t wDeviceType; /* IMGR_DEVICE_TYPE_... */
    uint8_t bBusType; /* 0 ISA, 1 EISA, 2 PCI, 3 SCSI, 4 fibre */
    uint8_t bAddressing; /* IMGR_ADDRESSING_... */
    uint16_t wPciDomain; /* IMGR_PCI_DOMAIN_UNKNOWN when not known */
    uint8_t bPciBus; /* IMGR_PCI_BYTE_UNKNOWN when not known, as the next two */
    uint8_t bPciDevice;
    uint8_t bPciFunction;
    uint8_t bSlot; /* 255 = unknown */
    uint8_t bCabinet;
    uint8_t bCell;
    uint8_t bIoCabinet;
    uint8_t bIoChassis;
    uint8_t bIoBay;
    uint8_t bReserved1[13];
    uint32_t dwBoardID; /* the board identifier */
    char szDescription[64]; /* free text, NUL-terminated */
    uint8_t bReserved2[520];
} ImgrHostDeviceInfo;

/* Class 2: fibre host bus adapter, 24 bytes. */
typedef struct IMGR_PACKED ImgrFibreDeviceInfo {
    uint8_t abNodeWWN[8];
    uint8_t abPortWWN[8];
    uint8_t bPortCount; /* 0 when the adapter has no separate ports */
    uint8_t bReserved[7];
} ImgrFibreDeviceInfo;

/* Class 4: logical drive number, 3 bytes. */
typedef struct IMGR_PACKED ImgrDriveNumberInfo {
    uint8_t bReserved1;
    uint8_t bDriveNumber;
    uint8_t bReserved2;
} ImgrDriveNumberInfo;

/* Class 6: a device behind a host bus adapter, 76 bytes. */
typedef struct IMGR_PACKED ImgrRemoteDeviceInfo {
    uint16_t wDeviceType; /* IMGR_DEVICE_TYPE_REMOTE_ARRAY_CONTROLLER for a controller */
    uint8_t bPort; /* adapter port, IMGR_PORT_NOT_APPLICABLE without ports */
    uint8_t abLunAddress[8]; /* the device's 8-byte address */
    char szDeviceText[16]; /* "ARRAY CONTROLLER" for a controller, not NUL-terminated */
    uint8_t bReserved1;
    uint32_t dwBoardID; /* the board identifier, 0 when not known */
    uint8_t abNodeWWN[8];
    uint8_t abPortWWN[8];
    uint8_t bReserved2[28];
} ImgrRemoteDeviceInfo;

/* Class 7: operating-system access name of a logical drive, 26 bytes. */
typedef struct IMGR_PACKED ImgrAccessNameInfo {
    char szAccessName[24]; /* NUL-terminated unless all 24 bytes are used */
    uint8_t bFlags; /* IMGR_ACCESS_NAME_IN_USE */
    uint8_t bReserved;
} ImgrAccessNameInfo;

/* Class 8: SCSI address of a handle, 12 bytes. */
typedef struct IMGR_PACKED ImgrScsiAddressInfo {
    uint32_t dwBus;
    uint32_t dwTargetLun;
    uint32_t dwFlags; /* IMGR_SCSI_ADDRESS_SPECIAL_PATH */
} ImgrScsiAddressInfo;

/* Class 9: disk extents: a header, then dwEntryCount entries. A call whose *length is too small
 * returns IMGR_STATUS_BUFFER_TOO_SMALL with the needed length in *length. */
typedef struct IMGR_PACKED ImgrDiskExtentHeader {
    uint32_t dwEntryCount;
    uint32_t dwReserved;
} ImgrDiskExtentHeader;

typedef struct IMGR_PACKED ImgrDiskExtentEntry {
    uint32_t dwEntryType; /* IMGR_DISK_EXTENT_PARTITION for a partition */
    uint32_t dwExtentNumber;
    uint64_t qwOffset; /* bytes */
    uint64_t qwSize; /* bytes */
    char szMountPoint[64]; /* NUL-terminated, empty when not mounted */
} ImgrDiskExtentEntry;

/* ---- Request records -------------------------------------------------------------------- */

/* Control code IMGR_CONTROL_BMIC. */
typedef struct IMGR_PACKED ImgrBmicRecord {
    uint8_t bCommand; /* BMIC opcode */
    uint8_t bPad1[3];
    uint32_t dwDetail; /* command-specific: drive index, block number */
    uint16_t wUnit; /* logical drive number, or drive index high byte in the high byte */
    uint8_t bPad2[2];
    void* pData;
    uint32_t dwDataLength;
    uint32_t dwTimeout; /* 0 = the library's default */
    void* pSense;
    uint32_t dwSenseLength; /* in: capacity; out: bytes returned */
    uint8_t bScsiStatus; /* out */
    uint8_t bPad3;
    uint16_t wCommandStatus; /* out */
    uint32_t dwExtra;
} ImgrBmicRecord;

/* Control code IMGR_CONTROL_SCSI. */
typedef struct IMGR_PACKED ImgrScsiRecord {
    void* pCdb;
    uint8_t bCdbLength;
    uint8_t bPad1[3];
    void* pData;
    uint32_t dwDataLength;
    uint32_t dwReserved; /* always 0 */
    uint32_t dwTimeout;
    uint8_t bScsiStatus; /* out */
    uint8_t bPad2[3];
    void* pSense;
    uint32_t dwSenseLength; /* in: capacity; out: bytes returned */
    uint16_t wCommandStatus; /* out */
    uint8_t bPad3[2];
} ImgrScsiRecord;

/* Control code IMGR_CONTROL_SCSI_BY_ADDRESS: sent on a controller handle to one of its devices. */
typedef struct IMGR_PACKED ImgrScsiAddressRecord {
    uint8_t abLunAddress[8]; /* as reported by the report-physical-LUNs command */
    ImgrScsiRecord scsi;
} ImgrScsiAddressRecord;

/* ---- Entry points, in the order a binder looks them up ----------------------------------- */
typedef ImgrStatus (*PFN_InfoMgrInitStatus)(void);
typedef ImgrStatus (*PFN_InfoMgrOpenObject)(ImgrHandle parent, uint32_t objectKind, ImgrHandle* handle,
                                            uint32_t reserved1, uint32_t reserved2);
typedef ImgrStatus (*PFN_InfoMgrCloseObject)(ImgrHandle handle);
typedef ImgrStatus (*PFN_InfoMgrEnumObject)(ImgrHandle handle, uint32_t childKind, uint32_t index, ImgrHandle* child,
                                            uint32_t reserved1, uint32_t reserved2);
typedef ImgrStatus (*PFN_InfoMgrGetObjectInfo)(ImgrHandle handle, uint32_t infoClass, uint32_t reserved, void* buffer,
                                               uint32_t* length);
typedef ImgrStatus (*PFN_InfoMgrSetObjectInfo)(ImgrHandle handle, uint32_t infoClass, uint32_t reserved, void* buffer,
                                               uint32_t* length);
typedef ImgrStatus (*PFN_InfoMgrControlObject)(ImgrHandle handle, uint32_t controlCode, uint32_t direction,
                                               void* record, uint32_t* length, uint32_t reserved1, uint32_t reserved2);
typedef ImgrStatus (*PFN_InfoMgrUnregisterObject)(uint32_t registration);
typedef ImgrStatus (*PFN_InfoMgrRegisterObject)(ImgrHandle handle, uint32_t eventMask, void* callback, void* context);
typedef ImgrStatus (*PFN_InfoMgrLockObject)(ImgrHandle handle, uint32_t mode, uint32_t timeout);
typedef ImgrStatus (*PFN_InfoMgrUnlockObject)(ImgrHandle handle, uint32_t mode, uint32_t reserved);

ImgrStatus InfoMgrInitStatus(void);
ImgrStatus InfoMgrOpenObject(ImgrHandle parent, uint32_t objectKind, ImgrHandle* handle, uint32_t reserved1,
                             uint32_t reserved2);
ImgrStatus InfoMgrCloseObject(ImgrHandle handle);
ImgrStatus InfoMgrEnumObject(ImgrHandle handle, uint32_t childKind, uint32_t index, ImgrHandle* child,
                             uint32_t reserved1, uint32_t reserved2);
ImgrStatus InfoMgrGetObjectInfo(ImgrHandle handle, uint32_t infoClass, uint32_t reserved, void* buffer,
                                uint32_t* length);
ImgrStatus InfoMgrSetObjectInfo(ImgrHandle handle, uint32_t infoClass, uint32_t reserved, void* buffer,
                                uint32_t* length);
ImgrStatus InfoMgrControlObject(ImgrHandle handle, uint32_t controlCode, uint32_t direction, void* record,
                                uint32_t* length, uint32_t reserved1, uint32_t reserved2);
ImgrStatus InfoMgrUnregisterObject(uint32_t registration);
ImgrStatus InfoMgrRegisterObject(ImgrHandle handle, uint32_t eventMask, void* callback, void* context);
ImgrStatus InfoMgrLockObject(ImgrHandle handle, uint32_t mode, uint32_t timeout);
ImgrStatus InfoMgrUnlockObject(ImgrHandle handle, uint32_t mode, uint32_t reserved);

/* ---- Layout checks ---------------------------------------------------------------------- */
#define IMGR_CHECK_OFFSET(type, field, offset)                                                                         \
    IMGR_STATIC_ASSERT(offsetof(type, field) == (offset), #type "." #field " offset")
#define IMGR_CHECK_SIZE(type, size) IMGR_STATIC_ASSERT(sizeof(type) == (size), #type " size")

IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, wDeviceType, 0);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bBusType, 2);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bAddressing, 3);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, wPciDomain, 4);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bPciBus, 6);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bPciDevice, 7);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bPciFunction, 8);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bSlot, 9);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bCabinet, 10);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bCell, 11);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bIoCabinet, 12);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bIoChassis, 13);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bIoBay, 14);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bReserved1, 15);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, dwBoardID, 28);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, szDescription, 32);
IMGR_CHECK_OFFSET(ImgrHostDeviceInfo, bReserved2, 96);
IMGR_CHECK_SIZE(ImgrHostDeviceInfo, 616);

IMGR_CHECK_OFFSET(ImgrFibreDeviceInfo, abNodeWWN, 0);
IMGR_CHECK_OFFSET(ImgrFibreDeviceInfo, abPortWWN, 8);
IMGR_CHECK_OFFSET(ImgrFibreDeviceInfo, bPortCount, 16);
IMGR_CHECK_OFFSET(ImgrFibreDeviceInfo, bReserved, 17);
IMGR_CHECK_SIZE(ImgrFibreDeviceInfo, 24);

IMGR_CHECK_OFFSET(ImgrDriveNumberInfo, bReserved1, 0);
IMGR_CHECK_OFFSET(ImgrDriveNumberInfo, bDriveNumber, 1);
IMGR_CHECK_OFFSET(ImgrDriveNumberInfo, bReserved2, 2);
IMGR_CHECK_SIZE(ImgrDriveNumberInfo, 3);

IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, wDeviceType, 0);
IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, bPort, 2);
IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, abLunAddress, 3);
IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, szDeviceText, 11);
IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, bReserved1, 27);
IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, dwBoardID, 28);
IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, abNodeWWN, 32);
IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, abPortWWN, 40);
IMGR_CHECK_OFFSET(ImgrRemoteDeviceInfo, bReserved2, 48);
IMGR_CHECK_SIZE(ImgrRemoteDeviceInfo, 76);

IMGR_CHECK_OFFSET(ImgrAccessNameInfo, szAccessName, 0);
IMGR_CHECK_OFFSET(ImgrAccessNameInfo, bFlags, 24);
IMGR_CHECK_OFFSET(ImgrAccessNameInfo, bReserved, 25);
IMGR_CHECK_SIZE(ImgrAccessNameInfo, 26);

IMGR_CHECK_OFFSET(ImgrScsiAddressInfo, dwBus, 0);
IMGR_CHECK_OFFSET(ImgrScsiAddressInfo, dwTargetLun, 4);
IMGR_CHECK_OFFSET(ImgrScsiAddressInfo, dwFlags, 8);
IMGR_CHECK_SIZE(ImgrScsiAddressInfo, 12);

IMGR_CHECK_OFFSET(ImgrDiskExtentHeader, dwEntryCount, 0);
IMGR_CHECK_OFFSET(ImgrDiskExtentHeader, dwReserved, 4);
IMGR_CHECK_SIZE(ImgrDiskExtentHeader, 8);

IMGR_CHECK_OFFSET(ImgrDiskExtentEntry, dwEntryType, 0);
IMGR_CHECK_OFFSET(ImgrDiskExtentEntry, dwExtentNumber, 4);
IMGR_CHECK_OFFSET(ImgrDiskExtentEntry, qwOffset, 8);
IMGR_CHECK_OFFSET(ImgrDiskExtentEntry, qwSize, 16);
IMGR_CHECK_OFFSET(ImgrDiskExtentEntry, szMountPoint, 24);
IMGR_CHECK_SIZE(ImgrDiskExtentEntry, 88);

/* Pointer-sized fields: P is the pointer size, W = P - 4 the widening per pointer before. */
#define IMGR_P ((size_t)sizeof(void*))
#define IMGR_W (IMGR_P - 4)

IMGR_STATIC_ASSERT(sizeof(void*) == 4 || sizeof(void*) == 8, "4- or 8-byte pointers");

IMGR_CHECK_OFFSET(ImgrBmicRecord, bCommand, 0);
IMGR_CHECK_OFFSET(ImgrBmicRecord, dwDetail, 4);
IMGR_CHECK_OFFSET(ImgrBmicRecord, wUnit, 8);
IMGR_CHECK_OFFSET(ImgrBmicRecord, pData, 12);
IMGR_CHECK_OFFSET(ImgrBmicRecord, dwDataLength, 16 + IMGR_W);
IMGR_CHECK_OFFSET(ImgrBmicRecord, dwTimeout, 20 + IMGR_W);
IMGR_CHECK_OFFSET(ImgrBmicRecord, pSense, 24 + IMGR_W);
IMGR_CHECK_OFFSET(ImgrBmicRecord, dwSenseLength, 28 + 2 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrBmicRecord, bScsiStatus, 32 + 2 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrBmicRecord, wCommandStatus, 34 + 2 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrBmicRecord, dwExtra, 36 + 2 * IMGR_W);
IMGR_CHECK_SIZE(ImgrBmicRecord, 40 + 2 * IMGR_W);

IMGR_CHECK_OFFSET(ImgrScsiRecord, pCdb, 0);
IMGR_CHECK_OFFSET(ImgrScsiRecord, bCdbLength, 4 + IMGR_W);
IMGR_CHECK_OFFSET(ImgrScsiRecord, pData, 8 + IMGR_W);
IMGR_CHECK_OFFSET(ImgrScsiRecord, dwDataLength, 12 + 2 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrScsiRecord, dwReserved, 16 + 2 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrScsiRecord, dwTimeout, 20 + 2 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrScsiRecord, bScsiStatus, 24 + 2 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrScsiRecord, pSense, 28 + 2 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrScsiRecord, dwSenseLength, 32 + 3 * IMGR_W);
IMGR_CHECK_OFFSET(ImgrScsiRecord, wCommandStatus, 36 + 3 * IMGR_W);
IMGR_CHECK_SIZE(ImgrScsiRecord, 40 + 3 * IMGR_W);

IMGR_CHECK_OFFSET(ImgrScsiAddressRecord, abLunAddress, 0);
IMGR_CHECK_OFFSET(ImgrScsiAddressRecord, scsi, 8);
IMGR_CHECK_SIZE(ImgrScsiAddressRecord, 48 + 3 * IMGR_W);

#undef IMGR_W
#undef IMGR_P

#ifdef __cplusplus
}
#endif

#endif /* VNL_CONTROLLER_IMGRDEFS_H */
