#include "controller/bmiccommand.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "common/clog.h"

namespace {

void sleepFor(std::uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

BmicCommand::RetryWait g_retryWait = sleepFor;

bool controllerAsksToRetry(std::uint8_t scsiStatus, std::uint8_t senseKey, std::uint8_t asc)
{
    const bool unitAttention = scsiStatus == 2 && senseKey == 6;
    const bool notReady = (senseKey == 2 || senseKey == 5) && asc == 4;
    return unitAttention || notReady;
}

void clearAnswer(BMICDevice::BMICRequest& request, std::uint8_t* sense)
{
    std::memset(sense, 0, SCSIStatus::SENSE_BUFFER_SIZE);
    request.pSense = sense;
    request.dwSenseLength = SCSIStatus::SENSE_BUFFER_SIZE;
    request.dwLowLevelStatus = 0;
    request.wCommandStatus = 0;
    request.bScsiStatus = 0;
}

} // namespace

BmicCommand::RetryWait BmicCommand::SetRetryWait(RetryWait wait)
{
    RetryWait previous = g_retryWait;
    g_retryWait = wait ? wait : sleepFor;
    return previous;
}

bool BmicCommand::operator()(BMICDevice& device)
{
    ResetStatus();
    std::uint8_t sense[SENSE_BUFFER_SIZE];
    BMICDevice::BMICRequest request;
    request.dwTimeout = m_timeout;
    PreProcessCommand();
    bool sent = false;
    for (unsigned attempt = 1;; ++attempt) {
        clearAnswer(request, sense);
        sent = sendCommand(device, request);
        const bool retry = controllerAsksToRetry(request.bScsiStatus, SenseKeyOf(sense), AscOf(sense));
        if (!retry || attempt == MAX_ATTEMPTS)
            break;
        Common::Logger::LogMessage("BMIC COMMAND RETRY");
        g_retryWait(RETRY_DELAY_MS);
    }
    PostProcessCommand();
    return RecordAttempt({sent, request.dwLowLevelStatus, request.wCommandStatus, request.bScsiStatus, sense,
                          request.dwSenseLength, request.eTransferType == BMICDevice::TRANSFER_TO_CONTROLLER});
}
