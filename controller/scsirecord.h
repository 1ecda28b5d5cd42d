// scsirecord - moving a SCSIDevice::SCSIRequest in and out of the library's
// SCSI request record; shared by the concrete SCSI channels.
#ifndef CONTROLLER_SCSIRECORD_H
#define CONTROLLER_SCSIRECORD_H

#include "controller/imgrdefs.h"
#include "controller/scsidevice.h"

namespace ScsiRecord {

// The record for a request; the command block may be replaced afterwards.
ImgrScsiRecord From(const SCSIDevice::SCSIRequest& request);

// Direction for the pass-through paths: in, out or none.
std::uint32_t PlainDirection(SCSIDevice::EnTransferType type);

// Copies the library's answer into the request; true only when the library
// returned 0 and the device SCSI status 0. The returned sense length never
// exceeds the capacity offered.
bool Finish(SCSIDevice::SCSIRequest& request, ImgrStatus result, const ImgrScsiRecord& record);

} // namespace ScsiRecord

#endif
