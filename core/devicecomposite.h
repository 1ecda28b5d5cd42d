// Core::DeviceComposite - a device that has children.
//
// Children keep insertion order. They are indexed by identity hash and by
// address, so merging a rediscovered child, removing one and finding the
// shared pointer of one cost no walk over the siblings.
#ifndef CORE_DEVICECOMPOSITE_H
#define CORE_DEVICECOMPOSITE_H

#include <cstddef>
#include <unordered_map>

#include "core/device.h"

namespace Core {

class DeviceComposite : public Device {
public:
    DeviceList::const_iterator beginChild() const override { return m_children.begin(); }
    DeviceList::const_iterator endChild() const override { return m_children.end(); }

protected:
    DeviceComposite() = default;
    // A copy has no children (see Device's copy).
    DeviceComposite(const DeviceComposite& other) : Device(other) {}

    bool addChildImpl(const DevicePtr& child) override;
    bool removeChildImpl(const DevicePtr& child) override;
    DevicePtr findEqualChild(const Device& device) const override;
    DevicePtr childPtrFor(const Device* child) const override;

private:
    struct Position {
        DeviceList::iterator entry;
        std::size_t hash;
    };

    DeviceList m_children;
    std::unordered_map<const Device*, Position> m_positions;
    std::unordered_multimap<std::size_t, DeviceList::iterator> m_byIdentity;
};

} // namespace Core

#endif
