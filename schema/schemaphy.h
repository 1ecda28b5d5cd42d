// Schema::Phy - one phy (link) of a physical drive, expander or enclosure processor. It has no
// children.
//
// Identified by its owner's identifier + ",PY:" + its phy number; phys with the same number are
// the same phy.
#ifndef VNL_SCHEMA_SCHEMAPHY_H
#define VNL_SCHEMA_SCHEMAPHY_H

#include "controller/bmicforwarddevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"

namespace Schema {

class Phy;
using VisitorPhy = Visitor<Phy>;

class Phy : public NumberedDevice<Phy, Core::Device, Interface::MORUMod::ATTR_VALUE_TYPE_PHY, MAX_EMBEDDED_PHY_OBJECTS,
                                  Anchor::Parent, PHY_TAG, unsigned>,
            public BMICForwardDevice {
public:
    explicit Phy(unsigned phyNumber) : NumberedDevice(phyNumber) {}
    unsigned phyNumber() const { return number(); }
};

} // namespace Schema

#endif
