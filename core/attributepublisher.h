// Core::AttributePublisher - hands attributes to a subscriber.
//
// Publish with allowEmpty false drops a value whose text form is empty, so
// an attribute that would be empty is simply absent; discovery publishes
// every fact that way. PublishAttribute always forwards.
#ifndef CORE_ATTRIBUTEPUBLISHER_H
#define CORE_ATTRIBUTEPUBLISHER_H

#include "core/attributesource.h"

namespace Core {

class AttributePublisher {
public:
    virtual ~AttributePublisher() = default;
    void Publish(AttributeSubscriber& target, const Attribute& attribute, bool allowEmpty = false) const;
    void PublishAttribute(AttributeSubscriber& target, const Attribute& attribute) const;
};

} // namespace Core

#endif
