// Core::DeviceAssociation - a named link from one device to others (a
// logical drive's data drives, a controller's host bus adapter).
//
// The devices keep insertion order; receive appends a device not yet held
// (a rescan makes the same links again), clear removes it. A device
// that receives an association whose name it already has appends the new
// devices to the existing one instead (core/device.h).
#ifndef CORE_DEVICEASSOCIATION_H
#define CORE_DEVICEASSOCIATION_H

#include <cstddef>

#include "common/containers.h"
#include "common/ctlstring.h"
#include "common/localstaticallocator.h"
#include "common/sharedptr.h"
#include "core/devicepublisher.h"

namespace Core {

class DeviceAssociation;
using DeviceAssociationPtr = Common::shared_ptr<DeviceAssociation>;
using DeviceAssociationList = Common::list<DeviceAssociationPtr>;

class DeviceAssociation : public DeviceSubscriber, public Common::LocalStaticAllocator<DeviceAssociation, 1000, 8> {
public:
    explicit DeviceAssociation(const Common::string& name) : m_name(name) {}

    const Common::string& name() const { return m_name; }
    DeviceList::const_iterator beginDevice() const { return m_devices.begin(); }
    DeviceList::const_iterator endDevice() const { return m_devices.end(); }
    std::size_t size() const { return m_devices.size(); }

    bool receive(const DevicePtr& device) override;
    void clear(const DevicePtr& device) override;

private:
    Common::string m_name;
    DeviceList m_devices;
};

class DeviceAssociationSubscriber {
public:
    virtual ~DeviceAssociationSubscriber() = default;
    virtual void receive(const DeviceAssociationPtr& association) = 0;
    virtual void clear(const DeviceAssociationPtr& association) = 0;
};

class DeviceAssociationPublisher {
public:
    virtual ~DeviceAssociationPublisher() = default;
    void PublishAssociation(DeviceAssociationSubscriber& target, const DeviceAssociationPtr& association) const
    {
        target.receive(association);
    }
};

} // namespace Core

#endif
