/*
 * scsiservices.h - the services of the controller's 0x86 (report) and 0x87 (manage) SCSI
 * commands and the sizes of their data, as the tool and a controller must agree on them.
 * Byte 1 of the command block selects the service; bytes 2-9 carry an 8-byte key when one is
 * set; bytes 10-13 carry the allocation or parameter length, most significant byte first.
 * Plain C declarations, usable by a controller implementation without the tool's headers.
 */
#ifndef VNL_CONTROLLER_SCSISERVICES_H
#define VNL_CONTROLLER_SCSISERVICES_H

#define SCSI_OPCODE_REPORT_SERVICE 0x86u
#define SCSI_OPCODE_MANAGE_SERVICE 0x87u

#define SCSI_SERVICE_SSP1_ACL 1u /* selective storage presentation, first form */
#define SCSI_SERVICE_SSP2_ACL 2u /* selective storage presentation, second form */
#define SCSI_SERVICE_HOST_MODES 3u /* report: the host modes by number */
#define SCSI_SERVICE_SSP2_DISABLE 3u /* manage: turn access control off */
#define SCSI_SERVICE_HOST_ATTRIBUTES 4u

#define SCSI_SSP1_ACL_LENGTH 2568u
#define SCSI_SSP2_ACL_LENGTH 61160u
#define SCSI_SSP2_DISABLE_LENGTH 12u
#define SCSI_HOST_MODES_LENGTH 2588u
#define SCSI_HOST_ATTRIBUTES_LENGTH 5088u
#define SCSI_HOST_ATTRIBUTES_HEADER_LENGTH 28u
#define SCSI_HOST_ATTRIBUTES_ENTRY_LENGTH 40u

#define SCSI_KEY_LENGTH 8u
#define SCSI_KEY_OFFSET 2u
#define SCSI_SERVICE_LENGTH_OFFSET 10u
#define SCSI_SERVICE_CDB_LENGTH 16u

#endif /* VNL_CONTROLLER_SCSISERVICES_H */
