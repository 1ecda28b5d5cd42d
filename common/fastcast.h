// Common::fastCast - dynamic_cast for the few casts that the device model makes again and again.
//
// A cast across a class hierarchy (from one base of an object to another, or down to a class
// that has several bases) searches the object's whole hierarchy every time. Where the cast lands
// depends only on the object's most-derived class, so fastCast asks dynamic_cast once per
// most-derived class and from then on adds the offset it found to the object's address. The
// result is always the one dynamic_cast gives. Each thread keeps its own offsets, up to a few
// classes per cast; further classes are cast the ordinary way.
#ifndef COMMON_FASTCAST_H
#define COMMON_FASTCAST_H

#include <array>
#include <cstddef>
#include <type_traits>
#include <typeinfo>

namespace Common {

namespace FastCast {

struct Landing {
    const std::type_info* type = nullptr;
    std::ptrdiff_t offset = 0;
    bool found = false;
};

constexpr std::size_t MAX_CLASSES = 16;

} // namespace FastCast

template <class Target, class Source>
Target* fastCast(Source* object)
{
    static_assert(std::is_polymorphic_v<std::remove_const_t<Source>>);
    if (object == nullptr)
        return nullptr;
    thread_local std::array<FastCast::Landing, FastCast::MAX_CLASSES> landings;
    thread_local std::size_t known = 0;
    const std::type_info* type = &typeid(*object);
    const auto* whole = static_cast<const char*>(dynamic_cast<const void*>(object));
    for (std::size_t i = 0; i < known; ++i)
        if (landings[i].type == type)
            return landings[i].found ? reinterpret_cast<Target*>(const_cast<char*>(whole) + landings[i].offset)
                                     : nullptr;
    Target* cast = dynamic_cast<Target*>(object);
    if (known < landings.size())
        landings[known++] = {type, cast ? reinterpret_cast<const char*>(cast) - whole : 0, cast != nullptr};
    return cast;
}

} // namespace Common

#endif
