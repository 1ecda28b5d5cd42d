// Schema::StorageEnclosure - a drive enclosure (box) of a controller or storage system; it
// holds the enclosure's drive cages.
//
// Made from its box index, which becomes ATTR_NAME_BOX_INDEX. Identified by scope + ",SE:" +
// that index; enclosures with the same box index are the same enclosure.
#ifndef VNL_SCHEMA_SCHEMASTORAGEENCLOSURE_H
#define VNL_SCHEMA_SCHEMASTORAGEENCLOSURE_H

#include "controller/bmicforwarddevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"
#include "schema/storagemod.h"

namespace Schema {

class StorageEnclosure;
using VisitorStorageEnclosure = Visitor<StorageEnclosure>;

class StorageEnclosure
    : public NumberedDevice<StorageEnclosure, Core::DeviceComposite,
                            Interface::MORUMod::ATTR_VALUE_TYPE_STORAGE_ENCLOSURE,
                            MAX_EMBEDDED_STORAGE_ENCLOSURE_OBJECTS, Anchor::Scope, STORAGE_ENCLOSURE_TAG, unsigned>,
      public BMICForwardDevice {
public:
    explicit StorageEnclosure(unsigned boxIndex) : NumberedDevice(boxIndex)
    {
        publishFact(Interface::StorageMod::StorageEnclosure::ATTR_NAME_BOX_INDEX, boxIndex);
    }
    unsigned boxIndex() const { return number(); }
};

} // namespace Schema

#endif
