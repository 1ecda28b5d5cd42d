// Operations::WriteManageHostMode (OPERATION_WRITE_MANAGE_HOST_MODE) - sets the host mode of a
// host initiator of a storage system: how the controller presents itself to that host.
//
// What a caller may rely on:
// - ATTR_NAME_HOST_MODE is the name of one of the host modes the controller reports
//   (ReportHostModes) and is looked up there for the mode's number; a name it does not report,
//   or no value, is ATTR_VALUE_STATUS_ARGUMENT_INVALID or _ARGUMENT_MISSING naming it.
// - The initiator's host attributes (ReportHostAttributes) go back with the new mode
//   (MaintainHostAttributes, one entry) and everything else as reported; an initiator the report
//   lacks gets an entry with the connection name the tree knows.
// - getCapabilityPtr asks the controller for its host modes and offers them, the initiator's
//   present mode current and mode number 0 the default.
// - Offered on initiators with a connection name (NamedInitiatorFilter).
#ifndef VNL_OPERATIONS_WRITEMANAGEHOSTMODE_H
#define VNL_OPERATIONS_WRITEMANAGEHOSTMODE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemainitiator.h"

namespace Operations {

class WriteManageHostMode : public Schema::VisitorInitiator,
                            public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_MANAGE_HOST_MODE> {
public:
    Core::OperationReturn visit(Schema::Initiator& initiator) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
