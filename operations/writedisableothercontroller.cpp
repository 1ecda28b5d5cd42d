#include "operations/writedisableothercontroller.h"

#include "controller/bmiccommands.h"
#include "operations/replycache.h"
#include "operations/settingfilters.h"

namespace Operations {

Core::OperationReturn WriteDisableOtherController::visit(Schema::ArrayController& controller)
{
    Core::OperationReturn result;
    NoTransferControllerCommand<DisableOtherControllerTrait> disable;
    executeWriteCommand(disable, controller, result);
    return result;
}

Core::FilterPtr WriteDisableOtherController::pFilterImpl() const
{
    return Core::FilterPtr(new RedundantPartnerFilter());
}

} // namespace Operations
