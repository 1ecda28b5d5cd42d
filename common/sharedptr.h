// Common::shared_ptr<T> - a reference-counted owning pointer.
//
// The object pointer travels with a pointer to a separately allocated count
// (a heap long, starting at 1). Copies increment it, destruction and
// reassignment decrement it; at zero the object is deleted through T's
// destructor and the count freed. Owning a derived object through a base
// pointer therefore needs a virtual destructor, which the converting
// constructors check. Only single objects (not arrays) may be owned.
//
// share(object, count) re-points a pointer at another object and count (it
// takes one reference); dynamic_pointer_cast builds on it so that a cast
// pointer shares the original's count. releaseWithNoDeletion() forgets the
// object so that reaching zero frees only the count: it wraps objects owned
// elsewhere. Counts are plain integers: one thread at a time.
#ifndef COMMON_SHAREDPTR_H
#define COMMON_SHAREDPTR_H

#include <cstddef>
#include <functional>
#include <type_traits>

namespace Common {

// Decrements a count; at zero frees it and returns true (the caller then
// deletes the object). Out of line so that the compiler's use-after-free
// analysis does not follow one count through several inlined owners.
bool DropSharedReference(long* count);

template <class T>
class shared_ptr {
public:
    shared_ptr() = default;
    shared_ptr(std::nullptr_t) {}

    template <class U>
    explicit shared_ptr(U* object) : m_pObject(object), m_pCount(new long(1))
    {
        checkDeletable<U>();
    }

    shared_ptr(const shared_ptr& other) { share(other.m_pObject, other.m_pCount); }

    template <class U>
    shared_ptr(const shared_ptr<U>& other)
    {
        checkDeletable<U>();
        share(other.get(), other.sharedCount());
    }

    shared_ptr(shared_ptr&& other) noexcept : m_pObject(other.m_pObject), m_pCount(other.m_pCount)
    {
        other.m_pObject = nullptr;
        other.m_pCount = nullptr;
    }

    ~shared_ptr() { release(); }

    shared_ptr& operator=(const shared_ptr& other)
    {
        share(other.m_pObject, other.m_pCount);
        return *this;
    }

    shared_ptr& operator=(shared_ptr&& other) noexcept
    {
        if (this != &other) {
            release();
            m_pObject = other.m_pObject;
            m_pCount = other.m_pCount;
            other.m_pObject = nullptr;
            other.m_pCount = nullptr;
        }
        return *this;
    }

    // Drops this reference and points at `object` with the given count, taking
    // one reference on it. A null count makes an empty pointer.
    void share(T* object, long* count)
    {
        if (count != m_pCount) {
            if (count != nullptr)
                ++*count;
            release();
            m_pCount = count;
        }
        m_pObject = count != nullptr ? object : nullptr;
    }

    void reset() { release(); }

    template <class U>
    void reset(U* object)
    {
        *this = shared_ptr(object);
    }

    // Forgets the object without deleting it; the count lives on.
    void releaseWithNoDeletion() { m_pObject = nullptr; }

    T* get() const { return m_pObject; }
    T* operator->() const { return m_pObject; }
    T& operator*() const { return *m_pObject; }
    explicit operator bool() const { return m_pObject != nullptr; }
    long* sharedCount() const { return m_pCount; }
    long useCount() const { return m_pCount == nullptr ? 0 : *m_pCount; }

    template <class U>
    bool operator==(const shared_ptr<U>& other) const
    {
        return m_pObject == other.get();
    }
    bool operator==(std::nullptr_t) const { return m_pObject == nullptr; }
    template <class U>
    bool operator<(const shared_ptr<U>& other) const
    {
        return std::less<const void*>()(m_pObject, other.get());
    }

private:
    template <class U>
    static void checkDeletable()
    {
        static_assert(std::is_convertible_v<U*, T*>, "pointer type does not convert");
        static_assert(std::is_same_v<std::remove_cv_t<U>, std::remove_cv_t<T>> || std::has_virtual_destructor_v<T>,
                      "deleting a derived object through this base needs a virtual destructor");
    }

    void release()
    {
        if (m_pCount != nullptr && DropSharedReference(m_pCount))
            delete m_pObject;
        m_pObject = nullptr;
        m_pCount = nullptr;
    }

    T* m_pObject = nullptr;
    long* m_pCount = nullptr;
};

// A pointer to the same object as U, sharing the count, or an empty pointer
// when the object is not a U.
template <class U, class T>
shared_ptr<U> dynamic_pointer_cast(const shared_ptr<T>& pointer)
{
    shared_ptr<U> result;
    if (U* object = dynamic_cast<U*>(pointer.get()))
        result.share(object, pointer.sharedCount());
    return result;
}

} // namespace Common

#endif
