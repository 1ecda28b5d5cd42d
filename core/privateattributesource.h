// Core::PrivateAttributeSource - raw data a device keeps for its operations.
//
// Same shape as AttributeSource, but the values are Common::Any (whole
// controller reply buffers, for example) and the names are never shown to
// the user. One value per name, name order; reading an absent name gives an
// empty Any.
#ifndef CORE_PRIVATEATTRIBUTESOURCE_H
#define CORE_PRIVATEATTRIBUTESOURCE_H

#include "common/any.h"
#include "common/containers.h"
#include "common/ctlstring.h"

namespace Core {

using PrivateAttribute = Common::pair<Common::string, Common::Any>;

class PrivateAttributeSubscriber {
public:
    virtual ~PrivateAttributeSubscriber() = default;
    virtual void ReceivePrivateAttribute(const PrivateAttribute& attribute) = 0;
    virtual void ClearPrivateAttribute(const Common::string& name) = 0;
};

class PrivateAttributePublisher {
public:
    virtual ~PrivateAttributePublisher() = default;
    void PublishPrivateAttribute(PrivateAttributeSubscriber& target, const PrivateAttribute& attribute) const
    {
        target.ReceivePrivateAttribute(attribute);
    }
};

class PrivateAttributeSource : public PrivateAttributeSubscriber {
public:
    using PrivateMap = Common::map<Common::string, Common::Any>;
    using const_iterator = PrivateMap::const_iterator;

    void ReceivePrivateAttribute(const PrivateAttribute& attribute) override;
    void ClearPrivateAttribute(const Common::string& name) override;

    const_iterator beginPrivateAttribute() const { return m_attributes.begin(); }
    const_iterator endPrivateAttribute() const { return m_attributes.end(); }
    bool hasPrivateAttribute(const Common::string& name) const;
    Common::Any getPrivateValueFor(const Common::string& name) const;
    void ClearPrivateAttribute();
    void ReceivePrivateAttribute(const PrivateAttributeSource& other);

private:
    PrivateMap m_attributes;
};

} // namespace Core

#endif
