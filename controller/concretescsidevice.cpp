#include "controller/concretescsidevice.h"

#include "controller/imgrimport.h"
#include "controller/scsicmds.h"
#include "controller/scsirecord.h"

namespace {

std::uint32_t directionOf(SCSIDevice::EnTransferType type)
{
    switch (type) {
    case SCSIDevice::TRANSFER_SPECIAL_IN:
        return IMGR_SCSI_DIRECTION_SPECIAL_IN;
    case SCSIDevice::TRANSFER_SPECIAL_OUT:
        return IMGR_SCSI_DIRECTION_SPECIAL_OUT;
    default:
        return ScsiRecord::PlainDirection(type);
    }
}

bool usesSpecialPath(SCSIDevice::EnTransferType type)
{
    return type == SCSIDevice::TRANSFER_SPECIAL_IN || type == SCSIDevice::TRANSFER_SPECIAL_OUT;
}

} // namespace

bool ConcreteSCSIDevice::specialPathAvailable() const
{
    ImgrScsiAddressInfo address{};
    std::uint32_t length = sizeof(address);
    const ImgrStatus result = ImgrImport::InfoMgrGetObjectInfo(m_handle, IMGR_INFO_SCSI_ADDRESS, 0, &address, &length);
    return result == IMGR_STATUS_OK && (address.dwFlags & IMGR_SCSI_ADDRESS_SPECIAL_PATH) != 0;
}

bool ConcreteSCSIDevice::sendSCSICommand(SCSIRequest& request)
{
    if (usesSpecialPath(request.eTransferType) && !specialPathAvailable())
        return false;
    ImgrScsiRecord record = ScsiRecord::From(request);
    std::uint32_t length = sizeof(record);
    const ImgrStatus result = ImgrImport::InfoMgrControlObject(
        m_handle, IMGR_CONTROL_SCSI, directionOf(request.eTransferType), &record, &length, 0, 0);
    return ScsiRecord::Finish(request, result, record);
}

bool ConcreteSCSIDevice::rescanScsiBus()
{
    std::uint8_t zeros[IMGR_RESCAN_DATA_LENGTH] = {};
    std::uint32_t length = sizeof(zeros);
    if (ImgrImport::InfoMgrSetObjectInfo(m_handle, IMGR_SET_RESCAN_SCSI_BUS, 0, zeros, &length) != IMGR_STATUS_OK) {
        return false;
    }
    ConcreteSCSIDevice channel(*this);
    CISSScan scan;
    return scan(channel);
}
