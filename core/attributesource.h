// Core::AttributeSource - a set of named attribute values.
//
// One value per name, iterated in ascending name order (plain string
// less-than). Receive replaces any earlier value of the same name; the
// copying Receive goes through the virtual Receive so that a derived source
// sees every attribute it is given. getValueFor / getPublicValueFor are meant
// to be called after hasAttribute; for an absent name they return an empty
// value and never read outside the map.
#ifndef CORE_ATTRIBUTESOURCE_H
#define CORE_ATTRIBUTESOURCE_H

#include "common/containers.h"
#include "common/ctlstring.h"
#include "core/attributevalue.h"

namespace Core {

using Attribute = Common::pair<Common::string, AttributeValue>;

class AttributeSubscriber {
public:
    virtual ~AttributeSubscriber() = default;
    virtual void Receive(const Attribute& attribute) = 0;
    virtual void Clear(const Common::string& name) = 0;
};

class AttributeSource : public AttributeSubscriber {
public:
    using AttributeMap = Common::map<Common::string, AttributeValue>;
    using const_iterator = AttributeMap::const_iterator;

    void Receive(const Attribute& attribute) override;
    void Clear(const Common::string& name) override;

    const_iterator beginAttribute() const { return m_attributes.begin(); }
    const_iterator endAttribute() const { return m_attributes.end(); }
    bool hasAttribute(const Common::string& name) const;
    Common::string getValueFor(const Common::string& name) const;
    AttributeValue getPublicValueFor(const Common::string& name) const;
    // The value held under `name`, or null; valid until the source changes.
    const AttributeValue* findAttribute(const Common::string& name) const;
    void Clear();
    void Receive(const AttributeSource& other);

private:
    AttributeMap m_attributes;
};

} // namespace Core

#endif
