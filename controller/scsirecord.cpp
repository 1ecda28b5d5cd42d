#include "controller/scsirecord.h"

#include <algorithm>

namespace ScsiRecord {

ImgrScsiRecord From(const SCSIDevice::SCSIRequest& request)
{
    ImgrScsiRecord record{};
    record.pCdb = const_cast<std::uint8_t*>(request.pCdb);
    record.bCdbLength = request.bCdbLength;
    record.pData = request.pData;
    record.dwDataLength = request.dwDataLength;
    record.dwTimeout = request.dwTimeout;
    record.pSense = request.pSense;
    record.dwSenseLength = request.dwSenseLength;
    return record;
}

std::uint32_t PlainDirection(SCSIDevice::EnTransferType type)
{
    switch (type) {
    case SCSIDevice::TRANSFER_IN:
        return IMGR_SCSI_DIRECTION_IN;
    case SCSIDevice::TRANSFER_OUT:
        return IMGR_SCSI_DIRECTION_OUT;
    default:
        return IMGR_SCSI_DIRECTION_NONE;
    }
}

bool Finish(SCSIDevice::SCSIRequest& request, ImgrStatus result, const ImgrScsiRecord& record)
{
    if (result != IMGR_STATUS_OK) {
        request.dwLowLevelStatus = result;
        return false;
    }
    request.wCommandStatus = record.wCommandStatus;
    request.bScsiStatus = record.bScsiStatus;
    request.dwSenseLength = std::min(record.dwSenseLength, request.dwSenseLength);
    return request.bScsiStatus == 0;
}

} // namespace ScsiRecord
