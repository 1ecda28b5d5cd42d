// Operations::WriteSetAsymmetricalActiveActiveSubmode
// (OPERATION_WRITE_SET_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE) - chooses who decides the path to each
// logical drive of a storage system whose controllers run asymmetrical active-active: the
// system itself from the hosts' traffic (ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_IMPLICIT,
// "automatic") or the preferred path set per logical drive (_EXPLICIT, "manual").
//
// What a caller may rely on:
// - ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE is required (ATTR_VALUE_STATUS_ARGUMENT_MISSING
//   without it). The redundant controller parameters are sensed and set back with bit 0 of
//   wAdditionalFlags (implicit path changes) set for _IMPLICIT and cleared for any other value.
// - Offered only in asymmetrical active-active mode (ActiveActiveFilter). getCapabilityPtr
//   offers both submodes, the present one current and _IMPLICIT as default.
#ifndef VNL_OPERATIONS_WRITESETASYMMETRICALACTIVEACTIVESUBMODE_H
#define VNL_OPERATIONS_WRITESETASYMMETRICALACTIVEACTIVESUBMODE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteSetAsymmetricalActiveActiveSubmode
    : public Schema::VisitorStorageSystem,
      public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_SET_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE> {
public:
    Core::OperationReturn visit(Schema::StorageSystem& system) override;
    Core::CapabilityPtr getCapabilityPtr(const Core::DevicePtr& device) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
