// Operations::WriteDisableOtherController (OPERATION_WRITE_DISABLE_OTHER_CONTROLLER) - takes the
// partner of a redundant controller pair out of service, so that it can be removed; the
// controller the operation runs on carries on alone.
//
// What a caller may rely on: one disable-other-controller command, no data. Offered only on a
// controller that has a partner in its storage system (RedundantPartnerFilter).
#ifndef VNL_OPERATIONS_WRITEDISABLEOTHERCONTROLLER_H
#define VNL_OPERATIONS_WRITEDISABLEOTHERCONTROLLER_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarraycontroller.h"

namespace Operations {

class WriteDisableOtherController
    : public Schema::VisitorArrayController,
      public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_DISABLE_OTHER_CONTROLLER> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
