#include "core/privateattributesource.h"

namespace Core {

void PrivateAttributeSource::ReceivePrivateAttribute(const PrivateAttribute& attribute)
{
    m_attributes.insert_or_assign(attribute.first, attribute.second);
}

void PrivateAttributeSource::ClearPrivateAttribute(const Common::string& name) { m_attributes.erase(name); }

bool PrivateAttributeSource::hasPrivateAttribute(const Common::string& name) const
{
    return m_attributes.find(name) != m_attributes.end();
}

Common::Any PrivateAttributeSource::getPrivateValueFor(const Common::string& name) const
{
    const_iterator found = m_attributes.find(name);
    return found != m_attributes.end() ? found->second : Common::Any();
}

void PrivateAttributeSource::ClearPrivateAttribute() { m_attributes.clear(); }

void PrivateAttributeSource::ReceivePrivateAttribute(const PrivateAttributeSource& other)
{
    for (const auto& attribute : other.m_attributes)
        ReceivePrivateAttribute(attribute);
}

} // namespace Core
