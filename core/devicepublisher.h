// Core::DeviceSubscriber / Core::DevicePublisher - handing child devices to
// a parent. receive answers whether the parent took (or merged) the child.
#ifndef CORE_DEVICEPUBLISHER_H
#define CORE_DEVICEPUBLISHER_H

#include "common/containers.h"
#include "common/sharedptr.h"

namespace Core {

class Device;
using DevicePtr = Common::shared_ptr<Device>;
using DeviceList = Common::list<DevicePtr>;

class DeviceSubscriber {
public:
    virtual ~DeviceSubscriber() = default;
    virtual bool receive(const DevicePtr& child) = 0;
    virtual void clear(const DevicePtr& child) = 0;
};

class DevicePublisher {
public:
    virtual ~DevicePublisher() = default;
    bool PublishDevice(DeviceSubscriber& target, const DevicePtr& child) const { return target.receive(child); }
};

} // namespace Core

#endif
