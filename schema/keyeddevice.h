// The device classes whose identifier is composed the usual way: the identifier of an anchor
// (the device's scope or its parent, see schema/devicescope.h), a tag, and the device's
// identifying text, which also decides equality (Schema::SchemaDevice).
// - KeyedDevice: the class supplies identityKey().
// - NumberedDevice: identified by a number given to the constructor (a drive index, a box
//   index, a controller's index of an expander, a phy number).
// - FactKeyedDevice: identified by one fact given to the constructor and kept as an attribute
//   (a logical drive number, an extent number, an initiator identifier).
#ifndef VNL_SCHEMA_KEYEDDEVICE_H
#define VNL_SCHEMA_KEYEDDEVICE_H

#include "schema/devicescope.h"
#include "schema/identifiertags.h"
#include "schema/schemadevice.h"

namespace Schema {

template <class Self, class Base, const char* TypeName, std::size_t Capacity, Anchor Where, const char* Tag>
class KeyedDevice : public SchemaDevice<Self, Base, TypeName, Capacity> {
protected:
    Common::string toStringImpl() const override
    {
        return composeIdentifier(*this, Where, Tag, static_cast<const Self&>(*this).identityKey());
    }
};

template <class Self, class Base, const char* TypeName, std::size_t Capacity, Anchor Where, const char* Tag,
          class Number>
class NumberedDevice : public KeyedDevice<Self, Base, TypeName, Capacity, Where, Tag> {
public:
    Common::string identityKey() const { return decimalText(m_number); }

protected:
    explicit NumberedDevice(Number number) : m_number(number) {}
    Number number() const { return m_number; }

private:
    Number m_number;
};

template <class Self, class Base, const char* TypeName, std::size_t Capacity, Anchor Where, const char* Tag,
          const char* FactName>
class FactKeyedDevice : public KeyedDevice<Self, Base, TypeName, Capacity, Where, Tag> {
public:
    Common::string identityKey() const { return this->getValueFor(FactName); }

protected:
    explicit FactKeyedDevice(const Core::AttributeValue& value) { this->publishFact(FactName, value); }
};

} // namespace Schema

#endif
