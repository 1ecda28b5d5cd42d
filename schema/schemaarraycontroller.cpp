#include "schema/schemaarraycontroller.h"

#include "schema/storagemod.h"

namespace Schema {

namespace Facts = Interface::StorageMod::ArrayController;

ArrayController::ArrayController(const Common::string& location, const ConcreteBMICDevice& channel)
    : ControllerChannels(channel), m_location(location)
{
}

void ArrayController::SetControllerStatusNotOk(const Common::string& state)
{
    publishFact(Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_NOT_OK);
    publishFact(Facts::ATTR_NAME_CONTROLLER_STATE, state);
}

void ArrayController::UpdateWith(const Core::DevicePtr& other)
{
    if (const ArrayController* newer = dynamic_cast<const ArrayController*>(other.get())) {
        m_over2TBSupport = newer->m_over2TBSupport;
        UpdateHandle(newer->handle());
    }
}

} // namespace Schema
