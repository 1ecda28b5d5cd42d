#include "controller/concretepassthrudevice.h"

#include <cstring>

#include "controller/imgrimport.h"
#include "controller/scsirecord.h"

bool ConcretePassThruDevice::sendSCSICommand(SCSIRequest& request)
{
    ImgrScsiAddressRecord record{};
    std::memcpy(record.abLunAddress, m_address.lunAddress.data(), sizeof(record.abLunAddress));
    record.scsi = ScsiRecord::From(request);
    std::uint32_t length = sizeof(record);
    const ImgrStatus result =
        ImgrImport::InfoMgrControlObject(m_address.controllerHandle, IMGR_CONTROL_SCSI_BY_ADDRESS,
                                         ScsiRecord::PlainDirection(request.eTransferType), &record, &length, 0, 0);
    return ScsiRecord::Finish(request, result, record.scsi);
}
