// The foundation's container names. They are the standard containers under
// the names the rest of the system uses; DefaultAllocator takes memory from
// the global heap.
#ifndef COMMON_CONTAINERS_H
#define COMMON_CONTAINERS_H

#include <bitset>
#include <cstddef>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <utility>

namespace Common {

template <class T>
using DefaultAllocator = std::allocator<T>;

template <class T, class Allocator = DefaultAllocator<T>>
using list = std::list<T, Allocator>;

template <class T, class Allocator = DefaultAllocator<T>>
using ListIterator = typename std::list<T, Allocator>::iterator;

template <class Key, class Value, class Compare = std::less<Key>>
using map = std::map<Key, Value, Compare>;

template <class First, class Second>
using pair = std::pair<First, Second>;

// Fixed sets of N bits: bitset<128> holds one bit per physical drive index,
// bitset<32> one bit per logical drive index.
template <std::size_t N>
using bitset = std::bitset<N>;

} // namespace Common

#endif
