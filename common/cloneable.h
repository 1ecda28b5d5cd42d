// Common::Cloneable<Base, Pointer, Derived> - supplies cloneImpl() for a
// concrete class by copy-constructing the derived object.
//
// Usage: class Array : public Common::Cloneable<Core::DeviceComposite,
//            Common::shared_ptr<Core::Device>, Array> { ... };
// Base must declare `virtual Pointer cloneImpl() const`; Base's constructors
// are inherited. The clone is a new Derived owned by a fresh Pointer.
#ifndef COMMON_CLONEABLE_H
#define COMMON_CLONEABLE_H

namespace Common {

template <class Base, class Pointer, class Derived>
class Cloneable : public Base {
public:
    using Base::Base;

    Pointer cloneImpl() const override { return Pointer(new Derived(static_cast<const Derived&>(*this))); }
};

} // namespace Common

#endif
