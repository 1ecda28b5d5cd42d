// Schema::ArrayController - an array controller, local or reached inside a storage system. It
// holds its enclosures, arrays and physical drives (a controller inside a storage system leaves
// those to the storage system).
//
// It is identified by "AC:" and its location text (slot, PCI address or subsystem name, as
// discovery finds it; a controller reached through an adapter port carries the port too), and
// two controllers with the same location text are the same controller. Its command channels
// are those of its library handle.
#ifndef VNL_SCHEMA_SCHEMAARRAYCONTROLLER_H
#define VNL_SCHEMA_SCHEMAARRAYCONTROLLER_H

#include "schema/controllerchannels.h"
#include "schema/identifiertags.h"
#include "schema/schemacapacities.h"
#include "schema/schemadevice.h"

namespace Schema {

class ArrayController;
using VisitorArrayController = Visitor<ArrayController>;

class ArrayController
    : public SchemaDevice<ArrayController, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_ARRAY_CONTROLLER,
                          MAX_EMBEDDED_ARRAYCONTROLLER_OBJECTS>,
      public ControllerChannels {
public:
    ArrayController(const Common::string& location, const ConcreteBMICDevice& channel);

    const Common::string& location() const { return m_location; }

    // Marks the controller not OK (ATTR_NAME_STATUS) for the reason `state`
    // (an ATTR_VALUE_CONTROLLER_STATE_... value, kept in ATTR_NAME_CONTROLLER_STATE).
    void SetControllerStatusNotOk(const Common::string& state);

    // Whether the controller handles logical drives over 2 TB (64-bit block counts).
    bool over2TBSupport() const { return m_over2TBSupport; }
    void over2TBSupport(bool supported) { m_over2TBSupport = supported; }

    // Takes the typed facts and the handle of an equal controller from a newer discovery.
    void UpdateWith(const Core::DevicePtr& other) override;

    const Common::string& identityKey() const { return m_location; }

protected:
    Common::string toStringImpl() const override { return Common::string(ARRAY_CONTROLLER_PREFIX) + m_location; }

private:
    Common::string m_location;
    bool m_over2TBSupport = false;
};

} // namespace Schema

#endif
