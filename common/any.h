// Common::Any - holds one value of any copyable type.
//
// The value sits behind Any::ValueInterface (type, clone, toString, ==); each
// kind is an Any::Value<T>. Copying an Any clones its value. toString gives
// the decimal text of numbers (unsigned char included), the text of strings,
// the result of a toString() member where the kind has one, and an empty
// string otherwise. Two Anys are equal only when they hold the same kind and
// that kind's comparison says equal; character pointers compare by text. An
// empty Any equals only another empty one. get<T>() returns the held value or
// null when the Any holds another kind.
#ifndef COMMON_ANY_H
#define COMMON_ANY_H

#include <concepts>
#include <cstddef>
#include <cstring>
#include <new>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "common/ctlstring.h"

namespace Common {

class Any {
public:
    class ValueInterface {
    public:
        virtual ~ValueInterface() = default;
        virtual const std::type_info& type() const = 0;
        virtual ValueInterface* clone() const = 0;
        virtual string toString() const = 0;
        virtual bool operator==(const ValueInterface& other) const = 0;
    };

    template <class T>
    class Value : public ValueInterface {
    public:
        explicit Value(const T& value) : m_value(value) {}
        const std::type_info& type() const override { return typeid(T); }
        ValueInterface* clone() const override { return new Value(m_value); }
        string toString() const override { return textOf(m_value); }
        bool operator==(const ValueInterface& other) const override
        {
            return other.type() == typeid(T) && equal(m_value, static_cast<const Value&>(other).m_value);
        }
        const T& value() const { return m_value; }

    private:
        T m_value;
    };

    Any() = default;

    template <class T, class = std::enable_if_t<!std::is_same_v<std::decay_t<T>, Any>>>
    Any(T&& value)
    {
        using Kind = std::decay_t<T>;
        if constexpr (fitsInside<Kind>) {
            m_pValue = new (m_inside) Value<Kind>(std::forward<T>(value));
            m_copyInside = &copyInside<Kind>;
        } else {
            m_pValue = new Value<Kind>(std::forward<T>(value));
        }
    }

    Any(const Any& other) { copyFrom(other); }
    Any(Any&& other) noexcept { takeFrom(other); }
    ~Any() { reset(); }

    Any& operator=(Any other) noexcept
    {
        reset();
        takeFrom(other);
        return *this;
    }

    bool empty() const { return m_pValue == nullptr; }
    const std::type_info& type() const { return m_pValue ? m_pValue->type() : typeid(void); }
    string toString() const { return m_pValue ? m_pValue->toString() : string(); }

    template <class T>
    const T* get() const
    {
        if (m_pValue == nullptr || m_pValue->type() != typeid(T))
            return nullptr;
        return &static_cast<const Value<T>*>(m_pValue)->value();
    }

    friend bool operator==(const Any& a, const Any& b)
    {
        if (a.m_pValue == nullptr || b.m_pValue == nullptr)
            return a.m_pValue == b.m_pValue;
        return *a.m_pValue == *b.m_pValue;
    }

private:
    template <class T>
    static string textOf(const T& value)
    {
        if constexpr (std::is_same_v<T, bool>)
            return value ? "1" : "0";
        else if constexpr (std::is_arithmetic_v<T>)
            return std::to_string(+value).c_str();
        else if constexpr (std::is_convertible_v<const T&, const char*>)
            return string(value);
        else if constexpr (std::is_same_v<T, string>)
            return value;
        else if constexpr (requires {
                               {
                                   value.toString()
                                   } -> std::convertible_to<string>;
                           })
            return value.toString();
        else
            return string();
    }

    template <class T>
    static bool equal(const T& a, const T& b)
    {
        if constexpr (std::is_convertible_v<const T&, const char*>)
            return a == b || (a != nullptr && b != nullptr && std::strcmp(a, b) == 0);
        else if constexpr (std::equality_comparable<T>)
            return a == b;
        else
            return false;
    }

    // A small value that copies without failing (a number, a string, a character pointer) is held
    // inside the Any rather than on the heap: most attribute values are such, and a tree holds
    // thousands of them. m_copyInside copies such a value, and is null for a value on the heap.
    using CopyInside = ValueInterface* (*)(const ValueInterface& from, void* place);
    static constexpr std::size_t INSIDE_SIZE = 16;

    template <class T>
    static constexpr bool fitsInside = sizeof(Value<T>) <= INSIDE_SIZE &&
        alignof(Value<T>) <= alignof(void*) && std::is_nothrow_copy_constructible_v<T>;

    template <class T>
    static ValueInterface* copyInside(const ValueInterface& from, void* place)
    {
        return new (place) Value<T>(static_cast<const Value<T>&>(from));
    }

    void copyFrom(const Any& other)
    {
        if (other.m_copyInside != nullptr) {
            m_pValue = other.m_copyInside(*other.m_pValue, m_inside);
            m_copyInside = other.m_copyInside;
        } else if (other.m_pValue != nullptr) {
            m_pValue = other.m_pValue->clone();
        }
    }

    // Leaves `other` empty.
    void takeFrom(Any& other) noexcept
    {
        if (other.m_copyInside != nullptr)
            copyFrom(other);
        else
            m_pValue = std::exchange(other.m_pValue, nullptr);
        other.reset();
    }

    void reset() noexcept
    {
        if (m_copyInside != nullptr)
            m_pValue->~ValueInterface();
        else
            delete m_pValue;
        m_pValue = nullptr;
        m_copyInside = nullptr;
    }

    ValueInterface* m_pValue = nullptr;
    CopyInside m_copyInside = nullptr;
    alignas(void*) unsigned char m_inside[INSIDE_SIZE];
};

} // namespace Common

#endif
