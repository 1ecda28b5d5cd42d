#include "controller/scsicommand.h"

#include <cstring>

bool ScsiCommand::operator()(SCSIDevice& device)
{
    ResetStatus();
    std::uint8_t sense[SENSE_BUFFER_SIZE] = {};
    SCSIDevice::SCSIRequest request;
    request.dwTimeout = m_timeout;
    request.pSense = sense;
    request.dwSenseLength = SENSE_BUFFER_SIZE;
    const bool sent = sendCommand(device, request);
    return RecordAttempt({sent, request.dwLowLevelStatus, request.wCommandStatus, request.bScsiStatus, sense,
                          request.dwSenseLength, request.eTransferType == SCSIDevice::TRANSFER_OUT});
}

bool ScsiCommand::Send(SCSIDevice& device, SCSIDevice::SCSIRequest& request, const std::uint8_t* cdb,
                       std::uint8_t cdbLength, SCSIDevice::EnTransferType type, void* data, std::uint32_t dataLength)
{
    request.eTransferType = type;
    request.pCdb = cdb;
    request.bCdbLength = cdbLength;
    request.pData = data;
    request.dwDataLength = dataLength;
    request.dwLowLevelStatus = 0;
    request.wCommandStatus = 0;
    request.bScsiStatus = 0;
    if (request.pSense) {
        std::memset(request.pSense, 0, SENSE_BUFFER_SIZE);
        request.dwSenseLength = SENSE_BUFFER_SIZE;
    }
    return device.sendSCSICommand(request) && request.bScsiStatus == 0;
}
