// bmicbits - packing of the BMIC detail word, and reversing its bytes.
#ifndef CONTROLLER_BMICBITS_H
#define CONTROLLER_BMICBITS_H

#include <cstdint>

constexpr std::uint32_t PACK_BMIC_DETAIL(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
{
    return (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) | (std::uint32_t{c} << 8) | d;
}

constexpr std::uint32_t ChangeDWordOrder(std::uint32_t value)
{
    return PACK_BMIC_DETAIL(static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24));
}

#endif
