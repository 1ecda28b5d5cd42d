#include "core/capability.h"

#include <algorithm>

#include "core/modelterms.h"

namespace Core {

using namespace Core::ModelTerms;

namespace {

bool sameInstanceValue(const Capability& a, const Capability& b)
{
    return a.hasAttribute(ATTR_NAME_CAPABILITY_INSTANCE) && b.hasAttribute(ATTR_NAME_CAPABILITY_INSTANCE) &&
        a.getValueFor(ATTR_NAME_CAPABILITY_INSTANCE) == b.getValueFor(ATTR_NAME_CAPABILITY_INSTANCE);
}

} // namespace

Capability::Capability() : Capability(ATTR_NAME_CAPABILITY) {}

Capability::Capability(const Common::string& type) : m_type(type) {}

CapabilityPtr Capability::clone() const
{
    CapabilityPtr copy(new Capability(m_type));
    copy->AttributeSource::Receive(*this);
    for (const CapabilityPtr& child : m_children)
        copy->m_children.push_back(child->clone());
    return copy;
}

void Capability::Subscribe(const CapabilityPtr& child)
{
    if (!child)
        return;
    auto same = [&child](const CapabilityPtr& held) { return sameInstanceValue(*held, *child); };
    auto found = std::find_if(m_children.begin(), m_children.end(), same);
    if (found != m_children.end())
        m_children.erase(found);
    m_children.push_back(child);
}

void Capability::Unsubscribe(const CapabilityPtr& child)
{
    auto found = std::find(m_children.begin(), m_children.end(), child);
    if (found != m_children.end())
        m_children.erase(found);
}

CapabilityClass::CapabilityClass(const Common::string& attributeName, const Common::string& instanceType,
                                 const Common::string& cardinality, const Common::string& action,
                                 const Common::string& instanceRange)
    : Capability(ATTR_NAME_CAPABILITY_CLASS)
{
    PublishAttribute(*this, Attribute(ATTR_NAME_ATTRIBUTE_NAME, attributeName));
    PublishAttribute(*this, Attribute(ATTR_NAME_INSTANCE_TYPE, instanceType));
    PublishAttribute(*this, Attribute(ATTR_NAME_CARDINALITY, cardinality));
    PublishAttribute(*this, Attribute(ATTR_NAME_ACTION, action));
    PublishAttribute(*this, Attribute(ATTR_NAME_INSTANCE_RANGE, instanceRange));
}

CapabilityInstance::CapabilityInstance(const AttributeValue& value, bool isDefault, bool isCurrent)
    : Capability(ATTR_NAME_CAPABILITY_INSTANCE)
{
    PublishAttribute(*this, Attribute(ATTR_NAME_CAPABILITY_INSTANCE, value));
    if (isCurrent)
        PublishAttribute(*this, Attribute(ATTR_NAME_CURRENT_VALUE, ATTR_VALUE_CURRENT_VALUE_TRUE));
    if (isDefault)
        PublishAttribute(*this, Attribute(ATTR_NAME_DEFAULT_VALUE, ATTR_VALUE_DEFAULT_VALUE_TRUE));
}

} // namespace Core
