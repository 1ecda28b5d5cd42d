#include "controller/concretebmicdevice.h"

#include <algorithm>

#include "controller/imgrimport.h"

namespace {

std::uint32_t directionOf(BMICDevice::EnTransferType type)
{
    switch (type) {
    case BMICDevice::TRANSFER_FROM_CONTROLLER:
        return IMGR_BMIC_DIRECTION_FROM_CONTROLLER;
    case BMICDevice::TRANSFER_TO_CONTROLLER:
        return IMGR_BMIC_DIRECTION_TO_CONTROLLER;
    default:
        return IMGR_BMIC_DIRECTION_NONE;
    }
}

ImgrBmicRecord recordFor(const BMICDevice::BMICRequest& request)
{
    ImgrBmicRecord record{};
    record.bCommand = request.bCommand;
    record.dwDetail = request.dwDetail;
    record.wUnit = request.wUnit;
    record.pData = request.pData;
    record.dwDataLength = request.dwDataLength;
    record.dwTimeout = request.dwTimeout;
    record.pSense = request.pSense;
    record.dwSenseLength = request.dwSenseLength;
    record.dwExtra = request.dwExtra;
    return record;
}

} // namespace

ConcreteBMICDevice::ConcreteBMICDevice(ImgrHandle handle, bool isRemote, std::uint16_t maxLogicalUnits,
                                       std::uint16_t maxPhysicalUnits, bool usesVariableSizeBuffers)
    : m_handle(handle), m_isRemote(isRemote), m_maxLogicalUnits(maxLogicalUnits), m_maxPhysicalUnits(maxPhysicalUnits),
      m_usesVariableSizeBuffers(usesVariableSizeBuffers)
{
}

bool ConcreteBMICDevice::sendBMICCommand(BMICRequest& request)
{
    ImgrBmicRecord record = recordFor(request);
    std::uint32_t length = sizeof(record);
    const ImgrStatus result = ImgrImport::InfoMgrControlObject(
        m_handle, IMGR_CONTROL_BMIC, directionOf(request.eTransferType), &record, &length, 0, 0);
    if (result != IMGR_STATUS_OK) {
        request.dwLowLevelStatus = result;
        return false;
    }
    request.bScsiStatus = record.bScsiStatus;
    request.dwSenseLength = std::min(record.dwSenseLength, request.dwSenseLength);
    request.wCommandStatus = record.wCommandStatus;
    return request.bScsiStatus == 0;
}

std::uint32_t ConcreteBMICDevice::readSizeFromCacheFor(std::uint8_t opcode) { return m_sizeCache[opcode]; }

void ConcreteBMICDevice::WriteSizeToCacheFor(std::uint8_t opcode, std::uint32_t size) { m_sizeCache[opcode] = size; }
