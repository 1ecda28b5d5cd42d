// Pieces of text that the show and status listings share: a drive's address
// and location as printed, its size (or "??? GB" when the drive reports
// none), its spare mark, and a logical drive's status with the percentage of
// an expansion or rebuild in progress.
#ifndef VNL_CLI_OPS_SHOWTEXT_H
#define VNL_CLI_OPS_SHOWTEXT_H

#include <string>

#include "cli/ops/cmfacade.h"

namespace ShowText {

// "1I:1:3", "1:3" or, for a drive addressed by SCSI bus and id, "2:4" with
// the id padded with blanks to `idWidth`.
std::string driveAddress(const CMFacade& facade, const Core::DevicePtr& drive, unsigned idWidth);
// "port 1I:box 1:bay 3", "box 1:bay 3" or "port 2:id 4"; every ":box ",
// ":bay " and ":id " piece padded with blanks to `pieceWidth`.
std::string driveLocation(const CMFacade& facade, const Core::DevicePtr& drive, unsigned pieceWidth);
// The drive's size as printed, or "??? GB".
std::string driveSize(const CMFacade& facade, const Core::DevicePtr& drive);
// ", active spare", ", spare" or "".
std::string spareMark(const CMFacade& facade, const Core::DevicePtr& drive);
// The status, followed by " 45.0% complete" while expanding or rebuilding.
std::string ldStatus(const CMFacade& facade, const Core::DevicePtr& drive);

} // namespace ShowText

#endif
