// Core::AttributeValue - the value of one device attribute.
//
// Holds exactly one value of these kinds (in a Common::Any): text
// (Common::string; character strings are stored as text), unsigned char,
// unsigned short, unsigned int, int, unsigned long long (unsigned long is
// stored as unsigned long long), a list of values, a map from name to value,
// a map from unsigned char to unsigned char, and a shared pointer to an
// AttributeComposite. A default value is an empty text.
//
// Text form (operator Common::string): numbers in decimal, text as is, a
// list as its elements' texts joined by one blank, a name map as "name=value"
// entries joined by blanks, a byte map as "key=value" entries, a composite as
// its own value's text.
//
// Equality is typed: equal only when both kinds are the same type and the
// kind's comparison says equal, so the number 5 never equals the text "5".
// Comparing with a character string compares the text form.
#ifndef CORE_ATTRIBUTEVALUE_H
#define CORE_ATTRIBUTEVALUE_H

#include "common/any.h"
#include "common/containers.h"
#include "common/ctlstring.h"
#include "common/sharedptr.h"

namespace Core {

class AttributeComposite;

class AttributeValue {
public:
    using List = Common::list<AttributeValue>;
    using Map = Common::map<Common::string, AttributeValue>;
    using ByteMap = Common::map<unsigned char, unsigned char>;
    using CompositePtr = Common::shared_ptr<AttributeComposite>;

    AttributeValue();
    AttributeValue(const char* text); // null is an empty text
    AttributeValue(const Common::string& text);
    AttributeValue(unsigned char value);
    AttributeValue(unsigned short value);
    AttributeValue(unsigned int value);
    AttributeValue(int value);
    AttributeValue(unsigned long value);
    AttributeValue(unsigned long long value);
    AttributeValue(const List& values);
    AttributeValue(const Map& values);
    AttributeValue(const ByteMap& values);
    AttributeValue(const CompositePtr& composite);

    operator Common::string() const { return toString(); }
    Common::string toString() const;
    // Whether the text form is empty (a number's never is), without making it.
    bool hasEmptyText() const;

    // The held value when it is of kind T, otherwise null.
    template <class T>
    const T* get() const
    {
        return m_value.get<T>();
    }
    const Common::Any& any() const { return m_value; }

    bool operator==(const AttributeValue& other) const;
    bool operator==(const char* text) const;
    bool operator!=(const AttributeValue& other) const { return !(*this == other); }
    bool operator!=(const char* text) const { return !(*this == text); }

private:
    Common::Any m_value;
};

} // namespace Core

#endif
