#include "operations/readoperation.h"

namespace Operations {

void publishReading(Core::Device& device, const char* name, const Core::AttributeValue& value)
{
    if (!value.hasEmptyText())
        device.AttributeSource::Receive(name, value);
}

void clearReading(Core::Device& device, const char* name) { device.AttributeSource::Clear(name); }

} // namespace Operations
