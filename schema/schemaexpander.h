// Schema::Expander - a SAS expander; it holds its phys.
//
// Identified by scope + ",E:" + the controller's index of the expander (bmicIndex); expanders
// with the same index are the same expander.
#ifndef VNL_SCHEMA_SCHEMAEXPANDER_H
#define VNL_SCHEMA_SCHEMAEXPANDER_H

#include "controller/bmicforwarddevice.h"
#include "controller/concretepassthrudevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"

namespace Schema {

class Expander;
using VisitorExpander = Visitor<Expander>;

class Expander : public NumberedDevice<Expander, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_EXPANDER,
                                       MAX_EMBEDDED_EXPANDER_OBJECTS, Anchor::Scope, EXPANDER_TAG, unsigned short>,
                 public BMICForwardDevice,
                 public ConcretePassThruDevice {
public:
    // `address` reaches the device through its controller's handle.
    Expander(unsigned short bmicIndex, const _DEVICE_ADDRESS& address)
        : NumberedDevice(bmicIndex), ConcretePassThruDevice(address)
    {
    }
    unsigned short bmicIndex() const { return number(); }

    // Takes the address of an equal device from a newer discovery.
    void UpdateWith(const Core::DevicePtr& other) override
    {
        if (const Expander* newer = dynamic_cast<const Expander*>(other.get()))
            UpdateAddress(newer->address());
    }
};

} // namespace Schema

#endif
