// The labelled lines of the long show listings, one table a device kind:
// the label as printed, the attribute whose display value follows it, and
// the text after the value. The text listing prints them and the JSON
// document takes its keys from the same labels, so the two cannot drift.
// A line that is not Plain is a block with code of its own at that place.
#ifndef VNL_CLI_OPS_SHOWROWS_H
#define VNL_CLI_OPS_SHOWROWS_H

#include "schema/storagemod.h"

namespace ShowRows {

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

enum class Line { Plain, Location, Qrx, RedundantController, Batteries, HostBusAdapter };

struct Row {
    Line kind;
    const char* label;
    const char* attribute;
    const char* suffix;
};

// Where a controller sits in a partitioned server; shown in both forms.
inline constexpr Row LOCATION_ROWS[] = {
    {Line::Plain, "Cabinet: ", ATTR_NAME_CABINET, "\n"},       {Line::Plain, "Cell: ", ATTR_NAME_CELL, "\n"},
    {Line::Plain, "IO Cabinet: ", ATTR_NAME_IO_CABINET, "\n"}, {Line::Plain, "IO Bay: ", ATTR_NAME_IO_BAY, "\n"},
    {Line::Plain, "IO Chassis: ", ATTR_NAME_IO_CHASSIS, "\n"},
};

inline constexpr Row CONTROLLER_ROWS[] = {
    {Line::Plain, "Bus Interface: ", ATTR_NAME_BUS_TYPE, "\n"},
    {Line::Location, "", "", ""},
    {Line::Plain, "WWN: ", ATTR_NAME_WWN_PORT, "\n"},
    {Line::Plain, "Slot: ", ATTR_NAME_SLOT, "\n"},
    {Line::Plain, "Serial Number: ", ATTR_NAME_CONTROLLER_SERIAL_NUMBER, "\n"},
    {Line::Plain, "Chassis Serial Number: ", ATTR_NAME_CHASSIS_SERIAL_NUMBER, "\n"},
    {Line::Plain, "Cache Serial Number: ", ATTR_NAME_CONTROLLER_CACHE_SERIAL_NUMBER, "\n"},
    {Line::Plain, "Chassis Name: ", ATTR_NAME_BOX_NAME, "\n"},
    {Line::Qrx, "RAID 6 (QRX) Status: ", ATTR_NAME_IS_QRX_SUPPORTED, "\n"},
    {Line::Plain, "SSP State: ", ATTR_NAME_SSP_STATE, "\n"},
    {Line::Plain, "Controller Status: ", ATTR_NAME_STATUS, "\n"},
    {Line::Plain, "Redundancy State: ", ATTR_NAME_REDUNDANT_STATE, "\n"},
    {Line::Plain, "Redundancy Status: ", ATTR_NAME_REDUNDANCY_STATUS, "\n"},
    {Line::Plain, "Redundancy Mode: ", ATTR_NAME_REDUNDANCY_MODE, "\n"},
    {Line::Plain, "Preferred Path Mode: ", ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE, "\n"},
    {Line::Plain, "Chassis Slot: ", ATTR_NAME_IO_SLOT, "\n"},
    {Line::RedundantController, "   Redundant Controller: ", "", "\n"},
    {Line::Plain, "Hardware Revision: Rev ", ATTR_NAME_HARDWARE_REVISION, "\n"},
    {Line::Plain, "Firmware Version: ", ATTR_NAME_FIRMWARE_VERSION, "\n"},
    {Line::Plain, "Rebuild Priority: ", ATTR_NAME_REBUILD_PRIORITY, "\n"},
    {Line::Plain, "Expand Priority: ", ATTR_NAME_EXPAND_PRIORITY, "\n"},
    {Line::Plain, "Surface Scan Delay: ", ATTR_NAME_SURFACE_ANALYSIS_DELAY, " sec\n"},
    {Line::Plain, "Cache Board Present: ", ATTR_NAME_CACHE_BOARD_PRESENT, "\n"},
    {Line::Plain, "Cache Status: ", ATTR_NAME_CACHE_STATUS, "\n"},
    {Line::Plain, "Accelerator Ratio: ", ATTR_NAME_CACHE_RATIO, "\n"},
    {Line::Plain, "Drive Write Cache: ", ATTR_NAME_DRIVE_WRITE_CACHE, "\n"},
    {Line::Plain, "Read Cache Size: ", ATTR_NAME_CACHE_SIZE_READ, "\n"},
    {Line::Plain, "Write Cache Size: ", ATTR_NAME_CACHE_SIZE_WRITE, "\n"},
    {Line::Plain, "Total Cache Size: ", ATTR_NAME_CACHE_SIZE_TOTAL, "\n"},
    {Line::Batteries, "", "", ""},
    {Line::HostBusAdapter, "", "", ""},
    {Line::Plain, "SATA NCQ Supported: ", ATTR_NAME_NCQ_SUPPORTED, "\n"},
};

inline constexpr Row ARRAY_ROWS[] = {
    {Line::Plain, "Interface Type: ", ATTR_NAME_INTERFACE, "\n"},
    {Line::Plain, "Unused Space: ", ATTR_NAME_FREE_BLOCKS, "\n"},
    {Line::Plain, "Status: ", ATTR_NAME_STATUS, "\n"},
};

inline constexpr Row LOGICAL_DRIVE_ROWS[] = {
    {Line::Plain, "Size: ", ATTR_NAME_USEABLE_BLOCKS, "\n"},
    {Line::Plain, "Fault Tolerance: ", ATTR_NAME_RAID, "\n"},
    {Line::Plain, "Heads: ", ATTR_NAME_HEADS, "\n"},
    {Line::Plain, "Sectors Per Track: ", ATTR_NAME_SECTORS, "\n"},
    {Line::Plain, "Cylinders: ", ATTR_NAME_CYLINDERS, "\n"},
    {Line::Plain, "Stripe Size: ", ATTR_NAME_STRIPE_SIZE, "\n"},
};

inline constexpr Row LOGICAL_DRIVE_TAIL_ROWS[] = {
    {Line::Plain, "Array Accelerator: ", ATTR_NAME_ARRAY_ACCELERATOR, "\n"},
    {Line::Plain, "Parity Initialization Status: ", ATTR_NAME_PARITY_INITIALIZATION_STATUS, "\n"},
    {Line::Plain, "Unique Identifier: ", ATTR_NAME_VOLUME_UNIQUE_IDENTIFIER, "\n"},
};

inline constexpr Row PORT_ROWS[] = {
    {Line::Plain, "Port: ", ATTR_NAME_PORT, "\n"},
    {Line::Plain, "Box: ", ATTR_NAME_BOX, "\n"},
    {Line::Plain, "Bay: ", ATTR_NAME_BAY, "\n"},
};

inline constexpr Row SCSI_ROWS[] = {
    {Line::Plain, "SCSI Bus: ", ATTR_NAME_SCSI_BUS, "\n"},
    {Line::Plain, "SCSI ID: ", ATTR_NAME_SCSI_ID, "\n"},
};

inline constexpr Row PHYSICAL_DRIVE_ROWS[] = {
    {Line::Plain, "Status: ", ATTR_NAME_STATUS, "\n"},
    {Line::Plain, "Drive Type: ", ATTR_NAME_DRIVE_TYPE, " Drive\n"},
    {Line::Plain, "Interface Type: ", ATTR_NAME_INTERFACE, "\n"},
    {Line::Plain, "Transfer Mode: ", ATTR_NAME_TRANSFER_MODE, "\n"},
};

inline constexpr Row PHYSICAL_DRIVE_TAIL_ROWS[] = {
    {Line::Plain, "Transfer Speed: ", ATTR_NAME_TRANSFER_RATE, "\n"},
    {Line::Plain, "Rotational Speed: ", ATTR_NAME_ROTATIONAL_SPEED, "\n"},
    {Line::Plain, "Firmware Revision: ", ATTR_NAME_FIRMWARE_REVISION, "\n"},
    {Line::Plain, "Serial Number: ", ATTR_NAME_SERIAL_NUMBER, "\n"},
    {Line::Plain, "Model: ", ATTR_NAME_DRIVE_MODEL, "\n"},
    {Line::Plain, "SATA NCQ Capable: ", ATTR_NAME_NCQ_CAPABLE, "\n"},
    {Line::Plain, "SATA NCQ Enabled: ", ATTR_NAME_NCQ_ENABLED, "\n"},
};

inline constexpr Row TAPE_DRIVE_ROWS[] = {
    {Line::Plain, "SCSI Bus: ", ATTR_NAME_SCSI_BUS, "\n"},
    {Line::Plain, "SCSI ID: ", ATTR_NAME_SCSI_ID, "\n"},
    {Line::Plain, "Status: ", ATTR_NAME_STATUS, "\n"},
    {Line::Plain, "Serial Number: ", ATTR_NAME_SERIAL_NUMBER, "\n"},
    {Line::Plain, "Device Number: ", ATTR_NAME_DEVICE_NUMBER, "\n"},
    {Line::Plain, "Firmware Revision: ", ATTR_NAME_REVISION_LEVEL, "\n"},
    {Line::Plain, "Vendor ID: ", ATTR_NAME_VENDOR_ID, "\n"},
    {Line::Plain, "Product ID: ", ATTR_NAME_TALVANE_PRODUCT_ID, "\n"},
};

} // namespace ShowRows

#endif
