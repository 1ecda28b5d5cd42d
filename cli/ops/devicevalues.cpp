#include "cli/ops/devicevalues.h"

#include "core/attributename.h"
#include "core/devicefinder.h"
#include "operations/guitranslator.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;

namespace {

Common::string textOf(const Core::AttributeValue* value)
{
    return value != nullptr ? value->toString() : Common::string();
}

} // namespace

const Common::string& DeviceValues::type() const
{
    if (!m_typeRead && m_device)
        m_type = Core::typeOf(*m_device);
    m_typeRead = true;
    return m_type;
}

std::string DeviceValues::raw(std::string_view attribute) const
{
    return m_device ? Common::toStdString(textOf(m_device->findAttribute(attribute))) : std::string();
}

std::string DeviceValues::shown(std::string_view attribute) const
{
    if (!m_device)
        return std::string();
    const Core::AttributeValue* value = m_device->findAttribute(attribute);
    const Core::DevicePtr parent = value == nullptr && m_device->hasParent() ? m_device->pParent() : Core::DevicePtr();
    if (value == nullptr &&
        (!Core::isOfType(parent, ATTR_VALUE_TYPE_STORAGE_SYSTEM) ||
         (value = parent->findAttribute(attribute)) == nullptr))
        return std::string();
    // An empty value prints as nothing whatever the device; the type is read
    // only when there is something to print.
    const Common::string text = textOf(value);
    if (text.empty())
        return std::string();
    const Common::string& deviceType = parent ? Core::attributeName(ATTR_VALUE_TYPE_STORAGE_SYSTEM) : type();
    return Common::toStdString(
        Common::GUITranslator::getDisplayValue(Core::attributeName(attribute), text, deviceType));
}
