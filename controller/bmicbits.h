// bmicbits - packing of the BMIC detail word and byte-order helpers.
//
// Controller buffers are little-endian. LittleEndianToHost converts one
// field between the controller's order and the host's; on a little-endian
// host it changes nothing, and it is its own inverse.
#ifndef CONTROLLER_BMICBITS_H
#define CONTROLLER_BMICBITS_H

#include <bit>
#include <cstdint>

constexpr std::uint32_t PACK_BMIC_DETAIL(std::uint8_t a, std::uint8_t b, std::uint8_t c,
                                         std::uint8_t d)
{
    return (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) | (std::uint32_t{c} << 8) | d;
}

constexpr std::uint32_t ChangeDWordOrder(std::uint32_t value)
{
    return PACK_BMIC_DETAIL(static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                            static_cast<std::uint8_t>(value >> 16),
                            static_cast<std::uint8_t>(value >> 24));
}

constexpr std::uint16_t ChangeWordOrder(std::uint16_t value)
{
    return static_cast<std::uint16_t>((value << 8) | (value >> 8));
}

constexpr std::uint64_t ChangeQWordOrder(std::uint64_t value)
{
    return (std::uint64_t{ChangeDWordOrder(static_cast<std::uint32_t>(value))} << 32) |
           ChangeDWordOrder(static_cast<std::uint32_t>(value >> 32));
}

template <class T>
constexpr T LittleEndianToHost(T value)
{
    if constexpr (std::endian::native == std::endian::little) {
        return value;
    } else if constexpr (sizeof(T) == 2) {
        return ChangeWordOrder(value);
    } else if constexpr (sizeof(T) == 4) {
        return ChangeDWordOrder(value);
    } else {
        return ChangeQWordOrder(value);
    }
}

#endif
