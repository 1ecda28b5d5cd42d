#include "controller/bmicforwarddevice.h"

#include "controller/parentchannel.h"

bool BMICForwardDevice::isRemote() const
{
    auto up = FindParentChannel<BMICDevice>(this);
    return up.channel && up.channel->isRemote();
}

std::uint16_t BMICForwardDevice::maxLogicalUnits() const
{
    auto up = FindParentChannel<BMICDevice>(this);
    return up.channel ? up.channel->maxLogicalUnits() : 0;
}

std::uint16_t BMICForwardDevice::maxPhysicalUnits() const
{
    auto up = FindParentChannel<BMICDevice>(this);
    return up.channel ? up.channel->maxPhysicalUnits() : 0;
}

bool BMICForwardDevice::sendBMICCommand(BMICRequest& request)
{
    auto up = FindParentChannel<BMICDevice>(this);
    return up.channel && up.channel->sendBMICCommand(request);
}

bool BMICForwardDevice::usesVariableSizeBuffers() const
{
    auto up = FindParentChannel<BMICDevice>(this);
    return up.channel && up.channel->usesVariableSizeBuffers();
}
