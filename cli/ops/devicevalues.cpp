#include "cli/ops/devicevalues.h"

#include "cli/attributekey.h"
#include "cli/devlister.h"
#include "operations/guitranslator.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;

namespace {

// The text of a value; one held as text is read in place.
Common::string textOf(const Core::AttributeValue* value)
{
    if (value == nullptr)
        return Common::string();
    const Common::string* text = value->get<Common::string>();
    return text != nullptr ? *text : value->toString();
}

} // namespace

const Common::string& DeviceValues::type() const
{
    if (!m_typeRead && m_device)
        m_type = textOf(m_device->findAttribute(attributeKey(ATTR_NAME_TYPE)));
    m_typeRead = true;
    return m_type;
}

std::string DeviceValues::raw(std::string_view attribute) const
{
    return m_device ? Common::toStdString(textOf(m_device->findAttribute(attributeKey(attribute)))) : std::string();
}

std::string DeviceValues::shown(std::string_view attribute) const
{
    if (!m_device)
        return std::string();
    const Common::string& name = attributeKey(attribute);
    const Core::AttributeValue* value = m_device->findAttribute(name);
    const Core::DevicePtr parent = value == nullptr && m_device->hasParent() ? m_device->pParent() : Core::DevicePtr();
    if (value == nullptr &&
        (!isOfType(parent, ATTR_VALUE_TYPE_STORAGE_SYSTEM) || (value = parent->findAttribute(name)) == nullptr))
        return std::string();
    // An empty value prints as nothing whatever the device; the type is read
    // only when there is something to print.
    const Common::string text = textOf(value);
    if (text.empty())
        return std::string();
    const Common::string& deviceType = parent ? attributeKey(ATTR_VALUE_TYPE_STORAGE_SYSTEM) : type();
    return Common::toStdString(Common::GUITranslator::getDisplayValue(name, text, deviceType));
}
