#include "core/attributepublisher.h"

namespace Core {

void AttributePublisher::Publish(AttributeSubscriber& target, const Attribute& attribute, bool allowEmpty) const
{
    if (allowEmpty || !attribute.second.hasEmptyText())
        target.Receive(attribute);
}

void AttributePublisher::PublishAttribute(AttributeSubscriber& target, const Attribute& attribute) const
{
    target.Receive(attribute);
}

} // namespace Core
