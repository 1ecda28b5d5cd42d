#include "controller/concretec5passthroughdevice.h"

#include <cstring>

#include "controller/imgrimport.h"
#include "controller/scsirecord.h"

bool ConcreteC5PassThroughDevice::sendSCSICommand(SCSIRequest& request)
{
    if (request.bCdbLength > MAX_INNER_LENGTH || (request.bCdbLength && !request.pCdb)) {
        return false;
    }
    std::uint8_t wrapped[WRAPPED_LENGTH] = {WRAPPER_OPCODE, m_target, 0};
    if (request.bCdbLength)
        std::memcpy(wrapped + 3, request.pCdb, request.bCdbLength);
    ImgrScsiRecord record = ScsiRecord::From(request);
    record.pCdb = wrapped;
    record.bCdbLength = WRAPPED_LENGTH;
    std::uint32_t length = sizeof(record);
    const ImgrStatus result = ImgrImport::InfoMgrControlObject(
        m_handle, IMGR_CONTROL_SCSI, ScsiRecord::PlainDirection(request.eTransferType), &record, &length, 0, 0);
    return ScsiRecord::Finish(request, result, record);
}
