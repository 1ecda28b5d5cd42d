#include "core/attributesource.h"

#include <string_view>
#include <utility>

#include "core/attributename.h"

namespace Core {
namespace {

std::string_view textOf(const char* name) { return name; }

std::string_view textOf(const Common::string& name) { return std::string_view(name.c_str(), name.size()); }

} // namespace

// A new name is stored as the shared copy of it (core/attributename.h); a value equal to the one
// held is left in place.
template <class Name, class Value>
void AttributeSource::store(const Name& name, Value&& value)
{
    const auto at = m_attributes.lower_bound(name);
    if (at == m_attributes.end() || m_attributes.key_comp()(name, at->first))
        m_attributes.emplace_hint(at, attributeName(textOf(name)), std::forward<Value>(value));
    else if (at->second != value)
        at->second = std::forward<Value>(value);
}

void AttributeSource::Receive(const Attribute& attribute) { store(attribute.first, attribute.second); }

void AttributeSource::Receive(const char* name, const AttributeValue& value)
{
    if (name != nullptr)
        store(name, value);
}

void AttributeSource::Receive(const char* name, AttributeValue&& value)
{
    if (name != nullptr)
        store(name, std::move(value));
}

void AttributeSource::Clear(const Common::string& name) { m_attributes.erase(name); }

void AttributeSource::Clear(const char* name)
{
    const auto found = name != nullptr ? m_attributes.find(name) : m_attributes.end();
    if (found != m_attributes.end())
        m_attributes.erase(found);
}

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

const AttributeValue* AttributeSource::findAttribute(std::string_view name) const { return lookUp(name); }

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
