// Core::DeviceFinder - searches the device tree from a start device.
//
// Criteria: attributes (one value per name; adding a name again replaces
// its value), operation names, filters and association names. A device
// matches when it has every attribute with the same text, every operation,
// every association, and every filter accepts it; no criteria match every
// device. The start device is always the first candidate. DIRECTION_UP goes
// on through the parents up to the root; DIRECTION_DOWN goes on through the
// children depth first, in child order (pre-order). find() gives the first
// match (or an empty pointer), find(list) appends every match in walk order.
// The walk holds the tree's lock.
//
// storageSystemFinder(device): the nearest device at or above `device` that
// is a storage system, or failing that an array controller: the "box" a
// device belongs to. scopeDevice is the same walk for a caller that already
// holds the tree's lock.
//
// isOfType(device, type): whether the device's ATTR_NAME_TYPE is `type` (a
// null device is of no type); typeOf(device): that type, empty when it has none.
#ifndef CORE_DEVICEFINDER_H
#define CORE_DEVICEFINDER_H

#include <string_view>

#include "common/containers.h"
#include "common/ctlstring.h"
#include "core/attributesource.h"
#include "core/device.h"
#include "core/filter.h"

namespace Core {

class DeviceFinder {
public:
    enum EnDirection { DIRECTION_UP = 1, DIRECTION_DOWN = 2 };

    explicit DeviceFinder(const DevicePtr& start) : m_start(start) {}

    void Add(const Attribute& criterion) { m_attributes.insert_or_assign(criterion.first, criterion.second); }
    void AddAttribute(const Attribute& criterion) { Add(criterion); }
    void AddOperation(const Common::string& opName) { m_operations.push_back(opName); }
    void AddFilter(const FilterPtr& filter) { m_filters.push_back(filter); }
    void AddAssociation(const Common::string& name) { m_associations.push_back(name); }

    DevicePtr find(EnDirection direction) const;
    void find(DeviceList& found, EnDirection direction) const;
    bool isMatchFound(const DevicePtr& device) const;

private:
    // Visits candidates in walk order until `take` returns false.
    template <class Take>
    void walk(EnDirection direction, Take take) const;
    template <class Take>
    bool walkDown(const DevicePtr& device, Take& take) const;

    DevicePtr m_start;
    Common::map<Common::string, AttributeValue> m_attributes;
    Common::list<Common::string> m_operations;
    Common::list<FilterPtr> m_filters;
    Common::list<Common::string> m_associations;
};

DevicePtr storageSystemFinder(const DevicePtr& device);
const Device* scopeDevice(const Device& device);

Common::string typeOf(const Device& device);
bool isOfType(const Device& device, std::string_view type);
bool isOfType(const DevicePtr& device, std::string_view type);

} // namespace Core

#endif
