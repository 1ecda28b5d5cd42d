#include "controller/bmicbyteorder.h"

#include <cstddef>
#include <iterator>

namespace {

// A member whose elements are structures is converted through those structures' own entries.
constexpr bool everyEmbeddedStructureHasAnEntry()
{
    return std::all_of(std::begin(kBmicLayouts), std::end(kBmicLayouts), [](const auto& row) {
        return row.elementLayout.empty() || FindBmicLayout(row.elementLayout) < kBmicLayoutCount;
    });
}
static_assert(everyEmbeddedStructureHasAnEntry(), "an embedded structure has no table entry");

void reverseEachElement(std::span<std::uint8_t> bytes, std::size_t elementSize)
{
    for (std::size_t at = 0; at + elementSize <= bytes.size(); at += elementSize) {
        std::reverse(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                     bytes.begin() + static_cast<std::ptrdiff_t>(at + elementSize));
    }
}

void swapMember(const BmicLayoutRow& member, std::span<std::uint8_t> bytes)
{
    if (member.elementLayout.empty()) {
        if (member.elementSize > 1)
            reverseEachElement(bytes, member.elementSize);
        return;
    }
    const BmicLayoutRow& element = kBmicLayouts[FindBmicLayout(member.elementLayout)];
    for (std::size_t at = 0; at + member.elementSize <= bytes.size(); at += member.elementSize) {
        SwapByteOrder(element, bytes.subspan(at, member.elementSize));
    }
}

} // namespace

void SwapByteOrder(const BmicLayoutRow& structure, std::span<std::uint8_t> bytes)
{
    if (bytes.size() != structure.size)
        return;
    for (const BmicLayoutRow* row = &structure + 1; row != std::end(kBmicLayouts) && row->member != nullptr; ++row) {
        swapMember(*row, bytes.subspan(row->offset, row->size));
    }
}
