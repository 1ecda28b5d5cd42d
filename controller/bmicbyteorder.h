// bmicbyteorder - puts a BMIC buffer's multi-byte fields between the controller's little-endian
// order and the host's, driven by the layout table (bmicstructuretable.h): every word,
// double-word and quad-word member is converted, each element of an array member and each
// member of an embedded structure included; bytes and text stay as they are.
//
// SwapByteOrder reverses the bytes of every multi-byte field whatever the host; ConvertByteOrder
// does so only on a big-endian host and changes nothing on a little-endian one. Both are their
// own inverse. A buffer is either a single integer or a structure with an entry in the table; a
// structure without one does not compile.
#ifndef CONTROLLER_BMICBYTEORDER_H
#define CONTROLLER_BMICBYTEORDER_H

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <type_traits>

#include "controller/bmicstructuretable.h"

inline constexpr std::size_t kBmicLayoutCount = std::size(kBmicLayouts);

// The index in kBmicLayouts of the row of the structure whose layout is given, or kBmicLayoutCount.
constexpr std::size_t FindBmicLayout(std::string_view layout)
{
    for (std::size_t at = 0; at < kBmicLayoutCount; ++at) {
        if (kBmicLayouts[at].member == nullptr && kBmicLayouts[at].layout == layout)
            return at;
    }
    return kBmicLayoutCount;
}

template <class T>
concept BmicBuffer = std::is_integral_v<T> || FindBmicLayout(BmicLayoutId<T>())
< kBmicLayoutCount;

// Reverses the multi-byte fields in the bytes of the structure whose row of kBmicLayouts is given.
// Bytes that are not exactly that structure's size are left alone.
void SwapByteOrder(const BmicLayoutRow& structure, std::span<std::uint8_t> bytes);

template <BmicBuffer T>
void SwapByteOrder(T& buffer)
{
    const std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(&buffer), sizeof buffer);
    if constexpr (std::is_integral_v<T>) {
        std::reverse(bytes.begin(), bytes.end());
    } else {
        constexpr std::size_t structure = FindBmicLayout(BmicLayoutId<T>());
        SwapByteOrder(kBmicLayouts[structure], bytes);
    }
}

template <BmicBuffer T>
void ConvertByteOrder(T& buffer)
{
    if constexpr (std::endian::native == std::endian::big)
        SwapByteOrder(buffer);
}

#endif
