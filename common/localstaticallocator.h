// Common::LocalStaticAllocator<T, N, Policy> - records, for a device-model
// class T, its pool capacity N and what to do when that pool is full.
//
// A class names it as a base: `Common::LocalStaticAllocator<Core::Capability,
// 10000, 8>`. The objects themselves come from the general heap (the ordinary
// operator new and delete); the base carries no data.
#ifndef COMMON_LOCALSTATICALLOCATOR_H
#define COMMON_LOCALSTATICALLOCATOR_H

#include <cstddef>

namespace Common {

enum EnLocalMemFullAllocPolicy {
    LOCAL_MEM_FULL_RETURN_NULL = 1,
    LOCAL_MEM_FULL_USE_GLOBAL_HEAP = 8,
};

template <class T, std::size_t N, int Policy>
class LocalStaticAllocator {
public:
    static constexpr std::size_t capacity = N;
    static constexpr EnLocalMemFullAllocPolicy policy = static_cast<EnLocalMemFullAllocPolicy>(Policy);
};

} // namespace Common

#endif
