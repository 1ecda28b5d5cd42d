// Operations::DiscoverHostBusAdapter - publishes the host bus adapters of this host into the
// root, in two passes: the fibre adapters, then the host side of every local array controller.
//
// Both kinds carry their bus type, PCI address, slot or cabinet location and subsystem
// identifier. A fibre adapter adds its node and port world-wide names and is OK; the host side
// of a controller adds its access identifier and is OK, or
// ATTR_VALUE_STATUS_WARNING_NO_ACCESS_ID when it has none.
//
// newFibreAdapter makes the adapter device of one fibre adapter handle; storage-system
// discovery uses it to name the adapter of a path exactly as this discovery identifies it.
#ifndef VNL_OPERATIONS_DISCOVERHOSTBUSADAPTER_H
#define VNL_OPERATIONS_DISCOVERHOSTBUSADAPTER_H

#include "controller/fibrehbaiterator.h"
#include "core/deviceoperation.h"
#include "schema/schemahostbusadapter.h"
#include "schema/schemamodroot.h"

namespace Operations {

class DiscoverHostBusAdapter : public Core::DeviceOperation, public Schema::VisitorModRoot {
public:
    Core::OperationReturn visit(Schema::ModRoot& root) override;

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_DISCOVER; }
};

Common::shared_ptr<Schema::HostBusAdapter> newFibreAdapter(const FibreHBAIterator& adapters, ImgrHandle handle);

} // namespace Operations

#endif
