#include "operations/localcontrollerfilter.h"

#include "schema/schemaarraycontroller.h"
#include "schema/storagemod.h"

namespace Operations {

Core::FilterReturn LocalControllerFilter::applyImpl(const Core::DevicePtr& device) const
{
    namespace Facts = Interface::StorageMod::ArrayController;
    if (dynamic_cast<const Schema::ArrayController*>(device.get()) == nullptr)
        return Core::FilterReturn();
    if (device->getValueFor(Facts::ATTR_NAME_LOCATION) == Common::string(Facts::ATTR_VALUE_LOCATION_LOCAL))
        return Core::FilterReturn();
    return Core::FilterReturn(Interface::MORUMod::ATTR_VALUE_UNAVAILABLE_REASON_NOT_APPLICABLE);
}

} // namespace Operations
