#include "operations/readoperation.h"

namespace Operations {

void publishReading(Core::Device& device, const char* name, const Core::AttributeValue& value)
{
    device.Publish(device, Core::Attribute(name, value), false);
}

void clearReading(Core::Device& device, const char* name) { device.AttributeSource::Clear(Common::string(name)); }

} // namespace Operations
