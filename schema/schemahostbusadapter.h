// Schema::HostBusAdapter - a host bus adapter of this server (a fibre adapter, or the host side
// of a local controller). It has no children.
//
// Its identifying text is its access identifier when it has one, otherwise its PCI location
// (domain, bus, device, function) or slot, the parts it has joined with "_"; the identifier is
// "HBA:" and that text, and adapters with the same identifying text are the same adapter.
#ifndef VNL_SCHEMA_SCHEMAHOSTBUSADAPTER_H
#define VNL_SCHEMA_SCHEMAHOSTBUSADAPTER_H

#include "schema/identifiertags.h"
#include "schema/schemacapacities.h"
#include "schema/schemadevice.h"

namespace Schema {

class HostBusAdapter;
using VisitorHostBusAdapter = Visitor<HostBusAdapter>;

class HostBusAdapter : public SchemaDevice<HostBusAdapter, Core::Device, Interface::MORUMod::ATTR_VALUE_TYPE_HBA,
                                           MAX_EMBEDDED_HOSTBUSADAPTER_OBJECTS> {
public:
    HostBusAdapter() = default;

    Common::string identityKey() const;

protected:
    Common::string toStringImpl() const override { return Common::string(HOST_BUS_ADAPTER_PREFIX) + identityKey(); }
};

} // namespace Schema

#endif
