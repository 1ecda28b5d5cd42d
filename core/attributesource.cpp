#include "core/attributesource.h"

namespace Core {

void AttributeSource::Receive(const Attribute& attribute)
{
    m_attributes.insert_or_assign(attribute.first, attribute.second);
}

void AttributeSource::Clear(const Common::string& name) { m_attributes.erase(name); }

const AttributeValue* AttributeSource::findAttribute(const Common::string& name) const
{
    const_iterator found = m_attributes.find(name);
    return found != m_attributes.end() ? &found->second : nullptr;
}

bool AttributeSource::hasAttribute(const Common::string& name) const { return findAttribute(name) != nullptr; }

Common::string AttributeSource::getValueFor(const Common::string& name) const
{
    const AttributeValue* value = findAttribute(name);
    return value != nullptr ? value->toString() : Common::string();
}

AttributeValue AttributeSource::getPublicValueFor(const Common::string& name) const
{
    const AttributeValue* value = findAttribute(name);
    return value != nullptr ? *value : AttributeValue();
}

void AttributeSource::Clear() { m_attributes.clear(); }

void AttributeSource::Receive(const AttributeSource& other)
{
    for (const auto& attribute : other.m_attributes)
        Receive(attribute);
}

} // namespace Core
