// Operations::DiscoverInitiator - publishes the host initiators a storage system knows.
//
// Two sources name initiators: the controller's connection-name table (identifier, connection
// name, host mode number) and its host-attribute report (the same, plus whether the host is
// logged in). Their identifier lists are merged - the second's identifiers that the first lacks
// are appended - so a host named by both is one initiator; the table's name and mode win. Each
// initiator carries its identifier (the port world-wide name in hexadecimal), its connection
// name, its host mode number and the name the controller gives that mode ("Default" when the
// controller names none), ATTR_VALUE_LOCATION_LOCAL when it is a fibre adapter of this host
// (else _REMOTE), and ATTR_VALUE_STATUS_ONLINE when the host is logged in (else _OFFLINE).
//
// Applies only to a configured storage system: one that carries ATTR_NAME_SSP_STATE and a
// logical drive count other than zero; elsewhere it is refused with
// ATTR_VALUE_UNAVAILABLE_REASON_CONTROLLER_NOT_CONFIGURED.
#ifndef VNL_OPERATIONS_DISCOVERINITIATOR_H
#define VNL_OPERATIONS_DISCOVERINITIATOR_H

#include "core/deviceoperation.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class DiscoverInitiator : public Core::DeviceOperation, public Schema::VisitorStorageSystem {
public:
    Core::OperationReturn visit(Schema::StorageSystem& storageSystem) override;

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_DISCOVER; }
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
