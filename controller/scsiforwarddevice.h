// SCSIForwardDevice - the SCSI channel of a device that reaches its target
// through its parent (an initiator): every call is handed to the parent's
// SCSI channel. With no such parent every call returns false.
#ifndef CONTROLLER_SCSIFORWARDDEVICE_H
#define CONTROLLER_SCSIFORWARDDEVICE_H

#include "controller/scsidevice.h"

class SCSIForwardDevice : public SCSIDevice {
public:
    bool sendSCSICommand(SCSIRequest& request) override;
    bool rescanScsiBus() override;
};

#endif
