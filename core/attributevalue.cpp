#include "core/attributevalue.h"

#include "core/attributecomposite.h"

namespace Core {

namespace {

template <class Container, class Text>
Common::string joinWithBlanks(const Container& items, Text textOf)
{
    Common::string text;
    for (const auto& item : items) {
        if (!text.empty())
            text += ' ';
        text += textOf(item);
    }
    return text;
}

Common::string numberText(unsigned value) { return Common::Any(value).toString(); }

Common::string entryText(const AttributeValue::Map::value_type& entry)
{
    return entry.first + "=" + entry.second.toString();
}

Common::string byteEntryText(const AttributeValue::ByteMap::value_type& entry)
{
    return numberText(entry.first) + "=" + numberText(entry.second);
}

} // namespace

AttributeValue::AttributeValue() : m_value(Common::string()) {}
AttributeValue::AttributeValue(const char* text) : m_value(Common::string(text != nullptr ? text : "")) {}
AttributeValue::AttributeValue(const Common::string& text) : m_value(text) {}
AttributeValue::AttributeValue(unsigned char value) : m_value(value) {}
AttributeValue::AttributeValue(unsigned short value) : m_value(value) {}
AttributeValue::AttributeValue(unsigned int value) : m_value(value) {}
AttributeValue::AttributeValue(int value) : m_value(value) {}
AttributeValue::AttributeValue(unsigned long value) : m_value(static_cast<unsigned long long>(value)) {}
AttributeValue::AttributeValue(unsigned long long value) : m_value(value) {}
AttributeValue::AttributeValue(const List& values) : m_value(values) {}
AttributeValue::AttributeValue(const Map& values) : m_value(values) {}
AttributeValue::AttributeValue(const ByteMap& values) : m_value(values) {}
AttributeValue::AttributeValue(const CompositePtr& composite) : m_value(composite) {}

Common::string AttributeValue::toString() const
{
    if (const Common::string* text = get<Common::string>())
        return *text;
    if (const List* list = get<List>())
        return joinWithBlanks(*list, [](const AttributeValue& v) { return v.toString(); });
    if (const Map* map = get<Map>())
        return joinWithBlanks(*map, entryText);
    if (const ByteMap* bytes = get<ByteMap>())
        return joinWithBlanks(*bytes, byteEntryText);
    if (const CompositePtr* composite = get<CompositePtr>())
        return *composite ? (*composite)->second.toString() : Common::string();
    return m_value.toString();
}

bool AttributeValue::hasEmptyText() const
{
    if (const Common::string* text = get<Common::string>())
        return text->empty();
    const bool number =
        get<unsigned char>() || get<unsigned short>() || get<unsigned int>() || get<int>() || get<unsigned long long>();
    return !number && toString().empty();
}

bool AttributeValue::operator==(const AttributeValue& other) const
{
    return !m_value.empty() && !other.m_value.empty() && m_value == other.m_value;
}

bool AttributeValue::operator==(const char* text) const { return toString() == (text != nullptr ? text : ""); }

} // namespace Core
