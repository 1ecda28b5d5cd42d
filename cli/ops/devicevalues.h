// DeviceValues reads the attributes of one device for a listing: the model
// value as it is, or the text that is printed for it (as CMFacade::rawVal
// and CMFacade::attrVal give them). The printed text of some values depends
// on the device's type; it is read once for all the values of the device, so
// a listing that prints several values of a device reads them through one
// DeviceValues.
#ifndef VNL_CLI_OPS_DEVICEVALUES_H
#define VNL_CLI_OPS_DEVICEVALUES_H

#include <string>
#include <string_view>
#include <utility>

#include "common/ctlstring.h"
#include "core/device.h"

class DeviceValues {
public:
    // Not explicit: where a device is given for its values, they are read
    // through a DeviceValues made on the spot.
    DeviceValues(Core::DevicePtr device) : m_device(std::move(device)) {}

    const Core::DevicePtr& device() const { return m_device; }
    // The device's ATTR_NAME_TYPE; empty when it has none.
    const Common::string& type() const;
    // The model value of an attribute; "" when absent.
    std::string raw(std::string_view attribute) const;
    // The printed text of an attribute, falling back to the storage system
    // around the device; "" when neither has it.
    std::string shown(std::string_view attribute) const;

private:
    Core::DevicePtr m_device;
    mutable bool m_typeRead = false;
    mutable Common::string m_type;
};

#endif
