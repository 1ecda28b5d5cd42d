// BmicCommand - base of the BMIC command objects.
//
// operator() runs PreProcessCommand, sends the request (sendCommand), and
// while the controller answers with a unit attention (SCSI status 2, sense
// key 6) or "not ready" (sense key 2 or 5 with ASC 4) it waits and sends
// again, up to MAX_ATTEMPTS sends in all; then PostProcessCommand and the
// outcome is recorded (SCSIStatus): a set command ending in a low-level
// buffer underrun counts as success; any other low-level status fails; with
// command and SCSI status 0 the last send's result counts; otherwise only
// command status 2 or 3 counts as success. Every attempt starts from clear
// status fields and a zeroed sense buffer.
//
// The wait between attempts is replaceable (SetRetryWait) so that tests need
// not sleep.
#ifndef CONTROLLER_BMICCOMMAND_H
#define CONTROLLER_BMICCOMMAND_H

#include <cstdint>

#include "controller/bmicdevice.h"
#include "controller/scsistatus.h"

class BmicCommand : public SCSIStatus {
public:
    static constexpr unsigned MAX_ATTEMPTS = 61;
    static constexpr std::uint32_t RETRY_DELAY_MS = 2000;
    using RetryWait = void (*)(std::uint32_t milliseconds);

    ~BmicCommand() override = default;
    virtual void PreProcessCommand() {}
    virtual bool sendCommand(BMICDevice& device, BMICDevice::BMICRequest& request) = 0;
    virtual void PostProcessCommand() {}

    bool operator()(BMICDevice& device);

    std::uint32_t timeout() const { return m_timeout; }
    void SetTimeout(std::uint32_t timeout) { m_timeout = timeout; }

    // Replaces the wait between attempts and returns the one it replaced.
    static RetryWait SetRetryWait(RetryWait wait);

private:
    std::uint32_t m_timeout = 0;
};

#endif
