#include "operations/readoperation.h"

#include <utility>

namespace Operations {

void publishReading(Core::Device& device, const char* name, Core::AttributeValue value)
{
    if (!value.hasEmptyText())
        device.AttributeSource::Receive(name, std::move(value));
}

void clearReading(Core::Device& device, const char* name) { device.AttributeSource::Clear(name); }

} // namespace Operations
