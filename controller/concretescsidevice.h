// ConcreteSCSIDevice - the SCSI channel of a library handle (a controller, a
// logical drive or a tape drive).
//
// Requests through the controller's special path (transfer types 1 and 3)
// are sent only when the handle's SCSI address information says the path is
// there; otherwise they are refused without reaching the library.
#ifndef CONTROLLER_CONCRETESCSIDEVICE_H
#define CONTROLLER_CONCRETESCSIDEVICE_H

#include "controller/imgrdefs.h"
#include "controller/scsidevice.h"

class ConcreteSCSIDevice : public SCSIDevice {
public:
    explicit ConcreteSCSIDevice(ImgrHandle handle) : m_handle(handle) {}

    bool sendSCSICommand(SCSIRequest& request) override;
    // Asks the library to rescan, then sends the scan command through a copy
    // of this channel; the result is that command's success.
    bool rescanScsiBus() override;

    ImgrHandle handle() const { return m_handle; }
    void UpdateHandle(ImgrHandle handle) { m_handle = handle; }

private:
    bool specialPathAvailable() const;

    ImgrHandle m_handle;
};

#endif
