// Core::AttributeComposite - a named value with child composites: a small
// tree of attributes for structured diagnostic data.
//
// Receive appends a child; clear removes the first entry holding the same
// pointer. Children keep insertion order.
#ifndef CORE_ATTRIBUTECOMPOSITE_H
#define CORE_ATTRIBUTECOMPOSITE_H

#include "common/containers.h"
#include "common/sharedptr.h"
#include "core/attributesource.h"

namespace Core {

class AttributeComposite;
using AttributeCompositePtr = Common::shared_ptr<AttributeComposite>;

class AttributeCompositeSubscriber {
public:
    virtual ~AttributeCompositeSubscriber() = default;
    virtual void Receive(const AttributeCompositePtr& child) = 0;
    virtual void clear(const AttributeCompositePtr& child) = 0;
};

class AttributeCompositePublisher {
public:
    virtual ~AttributeCompositePublisher() = default;
    void PublishAttributeComposite(AttributeCompositeSubscriber& target, const AttributeCompositePtr& child) const
    {
        target.Receive(child);
    }
};

class AttributeComposite : public Attribute, public AttributeCompositeSubscriber {
public:
    using ChildList = Common::list<AttributeCompositePtr>;

    AttributeComposite() = default;
    AttributeComposite(const Common::string& name, const AttributeValue& value) : Attribute(name, value) {}
    explicit AttributeComposite(const Attribute& attribute) : Attribute(attribute) {}

    void Receive(const AttributeCompositePtr& child) override { m_children.push_back(child); }
    void clear(const AttributeCompositePtr& child) override;
    ChildList::const_iterator beginChild() const { return m_children.begin(); }
    ChildList::const_iterator endChild() const { return m_children.end(); }

private:
    ChildList m_children;
};

} // namespace Core

#endif
