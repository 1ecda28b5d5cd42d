// Core::AttributeSource - a set of named attribute values.
//
// One value per name, iterated in ascending name order (plain string
// less-than). Receive replaces any earlier value of the same name; the
// copying Receive goes through the virtual Receive so that a derived source
// sees every attribute it is given. getValueFor / getPublicValueFor are meant
// to be called after hasAttribute; for an absent name they return an empty
// value and never read outside the map.
#ifndef CORE_ATTRIBUTESOURCE_H
#define CORE_ATTRIBUTESOURCE_H

#include <cstring>
#include <string_view>

#include "common/containers.h"
#include "common/ctlstring.h"
#include "core/attributevalue.h"

namespace Core {

using Attribute = Common::pair<Common::string, AttributeValue>;

// Orders attribute names as Common::string does, and looks a name up by its characters without
// making a string of them. Names held are shared copies (core/attributename.h), so a name looked
// up by one of them is found equal without reading its characters.
struct AttributeNameLess {
    using is_transparent = void;
    bool operator()(const Common::string& a, const Common::string& b) const
    {
        return a.c_str() != b.c_str() && std::strcmp(a.c_str(), b.c_str()) < 0;
    }
    bool operator()(const Common::string& a, const char* b) const { return std::strcmp(a.c_str(), b) < 0; }
    bool operator()(const char* a, const Common::string& b) const { return std::strcmp(a, b.c_str()) < 0; }
    bool operator()(const Common::string& a, std::string_view b) const { return textOf(a) < b; }
    bool operator()(std::string_view a, const Common::string& b) const { return a < textOf(b); }

private:
    static std::string_view textOf(const Common::string& name) { return std::string_view(name.c_str(), name.size()); }
};

class AttributeSubscriber {
public:
    virtual ~AttributeSubscriber() = default;
    virtual void Receive(const Attribute& attribute) = 0;
    virtual void Clear(const Common::string& name) = 0;
};

class AttributeSource : public AttributeSubscriber {
public:
    using AttributeMap = Common::map<Common::string, AttributeValue, AttributeNameLess>;
    using const_iterator = AttributeMap::const_iterator;

    void Receive(const Attribute& attribute) override;
    // The same for a name given by its characters; a value equal to the one held leaves it as is.
    void Receive(const char* name, const AttributeValue& value);
    void Receive(const char* name, AttributeValue&& value);
    void Clear(const Common::string& name) override;
    void Clear(const char* name);

    const_iterator beginAttribute() const { return m_attributes.begin(); }
    const_iterator endAttribute() const { return m_attributes.end(); }
    // Each lookup takes the name as a string or as its characters (a null pointer names nothing).
    bool hasAttribute(const Common::string& name) const;
    bool hasAttribute(const char* name) const;
    Common::string getValueFor(const Common::string& name) const;
    Common::string getValueFor(const char* name) const;
    AttributeValue getPublicValueFor(const Common::string& name) const;
    AttributeValue getPublicValueFor(const char* name) const;
    // The value held under `name`, or null; valid until the source changes.
    const AttributeValue* findAttribute(const Common::string& name) const;
    const AttributeValue* findAttribute(const char* name) const;
    const AttributeValue* findAttribute(std::string_view name) const;
    void Clear();
    void Receive(const AttributeSource& other);

private:
    template <class Name>
    const AttributeValue* lookUp(const Name& name) const;
    template <class Name, class Value>
    void store(const Name& name, Value&& value);

    AttributeMap m_attributes;
};

} // namespace Core

#endif
