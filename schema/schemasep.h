// Schema::SEP - an enclosure processor (SEP); it holds its phys.
//
// Identified by scope + ",S:" + the controller's index of the processor (bmicIndex); processors
// with the same index are the same processor.
#ifndef VNL_SCHEMA_SCHEMASEP_H
#define VNL_SCHEMA_SCHEMASEP_H

#include "controller/bmicforwarddevice.h"
#include "controller/concretepassthrudevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"

namespace Schema {

class SEP;
using VisitorSEP = Visitor<SEP>;

class SEP : public NumberedDevice<SEP, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_SEP,
                                  MAX_EMBEDDED_SEP_OBJECTS, Anchor::Scope, SEP_TAG, unsigned short>,
            public BMICForwardDevice,
            public ConcretePassThruDevice {
public:
    // `address` reaches the device through its controller's handle.
    SEP(unsigned short bmicIndex, const _DEVICE_ADDRESS& address)
        : NumberedDevice(bmicIndex), ConcretePassThruDevice(address)
    {
    }
    unsigned short bmicIndex() const { return number(); }

    // Takes the address of an equal device from a newer discovery.
    void UpdateWith(const Core::DevicePtr& other) override
    {
        if (const SEP* newer = dynamic_cast<const SEP*>(other.get()))
            UpdateAddress(newer->address());
    }
};

} // namespace Schema

#endif
