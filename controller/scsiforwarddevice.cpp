#include "controller/scsiforwarddevice.h"

#include "controller/parentchannel.h"

bool SCSIForwardDevice::sendSCSICommand(SCSIRequest& request)
{
    auto up = FindParentChannel<SCSIDevice>(this);
    return up.channel && up.channel->sendSCSICommand(request);
}

bool SCSIForwardDevice::rescanScsiBus()
{
    auto up = FindParentChannel<SCSIDevice>(this);
    return up.channel && up.channel->rescanScsiBus();
}
