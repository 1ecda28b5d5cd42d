#include "core/attributesource.h"

namespace Core {

void AttributeSource::Receive(const Attribute& attribute)
{
    m_attributes.insert_or_assign(attribute.first, attribute.second);
}

void AttributeSource::Clear(const Common::string& name) { m_attributes.erase(name); }

namespace {

Common::string text(const AttributeValue* value) { return value != nullptr ? value->toString() : Common::string(); }

AttributeValue copy(const AttributeValue* value) { return value != nullptr ? *value : AttributeValue(); }

} // namespace

template <class Name>
const AttributeValue* AttributeSource::lookUp(const Name& name) const
{
    const_iterator found = m_attributes.find(name);
    return found != m_attributes.end() ? &found->second : nullptr;
}

const AttributeValue* AttributeSource::findAttribute(const Common::string& name) const { return lookUp(name); }

const AttributeValue* AttributeSource::findAttribute(const char* name) const
{
    return name != nullptr ? lookUp(name) : nullptr;
}

bool AttributeSource::hasAttribute(const Common::string& name) const { return findAttribute(name) != nullptr; }

bool AttributeSource::hasAttribute(const char* name) const { return findAttribute(name) != nullptr; }

Common::string AttributeSource::getValueFor(const Common::string& name) const { return text(findAttribute(name)); }

Common::string AttributeSource::getValueFor(const char* name) const { return text(findAttribute(name)); }

AttributeValue AttributeSource::getPublicValueFor(const Common::string& name) const
{
    return copy(findAttribute(name));
}

AttributeValue AttributeSource::getPublicValueFor(const char* name) const { return copy(findAttribute(name)); }

void AttributeSource::Clear() { m_attributes.clear(); }

void AttributeSource::Receive(const AttributeSource& other)
{
    for (const auto& attribute : other.m_attributes)
        Receive(attribute);
}

} // namespace Core
