// Core::Capability - how an operation describes the values it accepts.
//
// A tree of three levels that may nest: the operation's root capability
// (type ATTR_NAME_CAPABILITY); under it one CapabilityClass per argument
// (ATTR_NAME_ATTRIBUTE_NAME, instance type, cardinality, action, range);
// under a class one CapabilityInstance per allowed value
// (ATTR_NAME_CAPABILITY_INSTANCE, optionally marked default and current). An
// instance may hold classes of arguments that exist only when it is chosen.
//
// Subscribe appends a child, first removing a held instance whose
// ATTR_NAME_CAPABILITY_INSTANCE has the same text, so a value is never
// listed twice. clone() is a deep copy.
#ifndef CORE_CAPABILITY_H
#define CORE_CAPABILITY_H

#include "common/containers.h"
#include "common/ctlstring.h"
#include "common/localstaticallocator.h"
#include "common/sharedptr.h"
#include "core/attributepublisher.h"
#include "core/attributesource.h"

namespace Core {

class Capability;
using CapabilityPtr = Common::shared_ptr<Capability>;
using CapabilityList = Common::list<CapabilityPtr>;

class CapabilitySubscriber {
public:
    virtual ~CapabilitySubscriber() = default;
    virtual void Subscribe(const CapabilityPtr& child) = 0;
    virtual void Unsubscribe(const CapabilityPtr& child) = 0;
};

class CapabilityPublisher {
public:
    virtual ~CapabilityPublisher() = default;
    void PublishCapability(CapabilitySubscriber& target, const CapabilityPtr& child) const { target.Subscribe(child); }
};

class Capability : public AttributePublisher,
                   public AttributeSource,
                   public CapabilitySubscriber,
                   public Common::LocalStaticAllocator<Capability, 10000, 8> {
public:
    Capability();

    const Common::string& type() const { return m_type; }
    CapabilityList::const_iterator beginChild() const { return m_children.begin(); }
    CapabilityList::const_iterator endChild() const { return m_children.end(); }
    CapabilityPtr clone() const;

    void Subscribe(const CapabilityPtr& child) override;
    void Unsubscribe(const CapabilityPtr& child) override;

protected:
    explicit Capability(const Common::string& type);

private:
    Common::string m_type;
    CapabilityList m_children;
};

class CapabilityClass : public Capability {
public:
    CapabilityClass(const Common::string& attributeName, const Common::string& instanceType,
                    const Common::string& cardinality, const Common::string& action,
                    const Common::string& instanceRange);
};

class CapabilityInstance : public Capability {
public:
    explicit CapabilityInstance(const AttributeValue& value, bool isDefault = false, bool isCurrent = false);
};

} // namespace Core

#endif
