// Schema::Initiator - a host initiator known to a storage system (a host adapter port that may
// be granted access to logical drives). It has no children.
//
// Identified by scope + ",I:" + its initiator identifier (ATTR_NAME_INITIATOR_ID); initiators
// with the same identifier are the same initiator.
#ifndef VNL_SCHEMA_SCHEMAINITIATOR_H
#define VNL_SCHEMA_SCHEMAINITIATOR_H

#include "controller/bmicforwarddevice.h"
#include "controller/scsiforwarddevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"
#include "schema/storagemod.h"

namespace Schema {

class Initiator;
using VisitorInitiator = Visitor<Initiator>;

class Initiator : public FactKeyedDevice<Initiator, Core::Device, Interface::MORUMod::ATTR_VALUE_TYPE_INITIATOR,
                                         MAX_EMBEDDED_INITIATOR_OBJECTS, Anchor::Scope, INITIATOR_TAG,
                                         Interface::StorageMod::Initiator::ATTR_NAME_INITIATOR_ID>,
                  public BMICForwardDevice,
                  public SCSIForwardDevice {
public:
    explicit Initiator(const Common::string& initiatorId) : FactKeyedDevice(initiatorId) {}

    // An empty fact is not stored, so a newer discovery that finds the initiator without a
    // connection name has none to pass on: the name was removed.
    void UpdateWith(const Core::DevicePtr& other) override
    {
        const char* const name = Interface::StorageMod::Initiator::ATTR_NAME_CONNECTION_NAME;
        if (other && !other->hasAttribute(name))
            Clear(name);
    }
};

} // namespace Schema

#endif
