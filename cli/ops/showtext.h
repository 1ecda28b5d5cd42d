// Pieces of text that the show and status listings and the JSON document
// share: a drive's address and location as printed, its size (or "??? GB"
// when the drive reports none), its spare mark, a logical drive's status with
// the percentage of an expansion or rebuild in progress, and the values of a
// controller's lines that are more than one attribute.
#ifndef VNL_CLI_OPS_SHOWTEXT_H
#define VNL_CLI_OPS_SHOWTEXT_H

#include <span>
#include <string>

#include "cli/ops/cmfacade.h"
#include "cli/ops/devicevalues.h"
#include "cli/ops/showrows.h"

namespace ShowText {

// Where a drive is, as printed: its port, box and bay (each read and shown
// once for both forms below), or, for a drive with no port and no box and
// bay, its SCSI bus and id.
struct DrivePlace {
    bool scsi = false;
    bool hasPort = false;
    bool hasBox = false;
    bool hasBay = false;
    std::string port, box, bay;
    std::string bus, id;
};
DrivePlace drivePlace(const DeviceValues& drive);
// "1I:1:3", "1:3" or, for a drive addressed by SCSI bus and id, "2:4" with
// the id padded with blanks to `idWidth`.
std::string driveAddress(const DrivePlace& place, unsigned idWidth);
// "port 1I:box 1:bay 3", "box 1:bay 3" or "port 2:id 4"; every ":box ",
// ":bay " and ":id " piece padded with blanks to `pieceWidth`.
std::string driveLocation(const DrivePlace& place, unsigned pieceWidth);
// The lines of a drive's long listing that locate it: port, box and bay,
// or SCSI bus and id.
std::span<const ShowRows::Row> locationRows(const CMFacade& facade, const Core::DevicePtr& drive);
// The drive's size as printed, or "??? GB".
std::string driveSize(const DeviceValues& drive);
// ", active spare", ", spare" or "".
std::string spareMark(const DeviceValues& drive);
// The status, followed by " 45.0% complete" while expanding or rebuilding.
std::string ldStatus(const DeviceValues& drive);

// A controller's RAID 6 support: "Enabled", "Disabled", or "" when unknown.
std::string qrxStatus(const CMFacade& facade, const Core::DevicePtr& controller);
// "OK", "Recharging", "Failed (Replace Batteries)", or "" without batteries.
std::string batteryStatus(const CMFacade& facade, const Core::DevicePtr& controller);
// "Battery 1, Battery 3": the failed batteries, or "".
std::string failedBatteries(const CMFacade& facade, const Core::DevicePtr& controller);
// The other controller with a chassis slot in the controller's storage
// system; empty outside a redundant pair.
Core::DevicePtr redundantPartner(const CMFacade& facade, const Core::DevicePtr& controller);
// The host bus adapter through which an external controller is reached.
Core::DevicePtr hostBusAdapter(const Core::DevicePtr& controller);

} // namespace ShowText

#endif
