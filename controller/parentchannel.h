// parentchannel - finds the channel of the parent device, for the channels
// that forward every request up the tree.
#ifndef CONTROLLER_PARENTCHANNEL_H
#define CONTROLLER_PARENTCHANNEL_H

#include "common/fastcast.h"
#include "core/device.h"

template <class Channel>
struct ParentChannel {
    Core::DevicePtr parent; // keeps the parent alive while its channel is used
    Channel* channel = nullptr;
};

// The parent's channel of kind Channel when `self` is part of a device whose
// parent has one; otherwise a null channel.
template <class Channel, class Self>
ParentChannel<Channel> FindParentChannel(const Self* self)
{
    ParentChannel<Channel> found;
    const auto* device = Common::fastCast<const Core::Device>(self);
    const Core::Device* parent = device != nullptr ? device->parentDevice() : nullptr;
    if (parent == nullptr)
        return found;
    found.parent = parent->getDevicePtr();
    found.channel = Common::fastCast<Channel>(found.parent.get());
    return found;
}

#endif
