// ScsiCommand - base of the SCSI command objects.
//
// operator() prepares a zeroed request with a 32-byte sense buffer and the
// command's timeout, lets the command send it (one or more sends through
// Send) and records the outcome (SCSIStatus): a transfer to the device that
// ends in a low-level buffer underrun counts as success; any other low-level
// status fails; with command and SCSI status 0 the send's own result counts;
// otherwise only command status 2 or 3 counts as success. There is no retry.
#ifndef CONTROLLER_SCSICOMMAND_H
#define CONTROLLER_SCSICOMMAND_H

#include <cstdint>

#include "controller/scsidevice.h"
#include "controller/scsistatus.h"

class ScsiCommand : public SCSIStatus {
public:
    ~ScsiCommand() override = default;
    virtual bool sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request) = 0;

    bool operator()(SCSIDevice& device);

    std::uint32_t timeout() const { return m_timeout; }
    void SetTimeout(std::uint32_t timeout) { m_timeout = timeout; }

protected:
    // Fills the request (clearing what an earlier send left in it) and sends
    // it; true when the channel succeeded and the SCSI status is 0.
    static bool Send(SCSIDevice& device, SCSIDevice::SCSIRequest& request, const std::uint8_t* cdb,
                     std::uint8_t cdbLength, SCSIDevice::EnTransferType type, void* data, std::uint32_t dataLength);

private:
    std::uint32_t m_timeout = 0;
};

#endif
