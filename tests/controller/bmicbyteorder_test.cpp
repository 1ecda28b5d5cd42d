// Byte order of the controller buffers, as a property of the layout table: a swap reverses each
// element of every word, double-word and quad-word member exactly once, wherever it sits (arrays
// and embedded structures included), leaves bytes and text alone, and undoes itself. What a
// member holds is read here from the type the table names for it, so a member whose declared type
// disagrees with the table shows up too.
#include "controller/bmicbyteorder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <iterator>
#include <map>
#include <string_view>
#include <vector>

#include "controller/typeproxyfactory.h"

namespace {

struct NotAControllerBuffer {
    std::uint32_t value;
};
static_assert(!BmicBuffer<NotAControllerBuffer>, "a structure without an entry is refused");
static_assert(BmicBuffer<CONNECTION_NAME_INTIATORID_ENTRIES> && BmicBuffer<std::uint32_t>);

// Size of one element of the type the table names; 0 for an embedded structure.
std::size_t scalarSize(std::string_view element)
{
    static const std::map<std::string_view, std::size_t> kSizes = {{"SA_BYTE", 1}, {"SA_RESERVED", 1}, {"char", 1},
                                                                   {"SA_WORD", 2}, {"SA_DWORD", 4},    {"SA_QWORD", 8}};
    const auto found = kSizes.find(element);
    return found == kSizes.end() ? 0 : found->second;
}

const BmicLayoutRow* structureNamed(std::string_view name)
{
    for (const BmicLayoutRow& row : kBmicLayouts) {
        if (row.member == nullptr && row.structure == name)
            return &row;
    }
    return nullptr;
}

std::vector<const BmicLayoutRow*> structures()
{
    std::vector<const BmicLayoutRow*> found;
    for (const BmicLayoutRow& row : kBmicLayouts) {
        if (row.member == nullptr)
            found.push_back(&row);
    }
    return found;
}

// For each byte of a structure placed at base, the byte a swap brings there.
void swappedOrigins(const BmicLayoutRow& structure, std::size_t base, std::vector<std::size_t>& origin)
{
    for (const BmicLayoutRow* row = &structure + 1; row != std::end(kBmicLayouts) && row->member != nullptr; ++row) {
        const std::string_view element = TypeProxyFactory::elementType(row->type);
        const std::size_t size = scalarSize(element);
        const BmicLayoutRow* embedded = size == 0 ? structureNamed(element) : nullptr;
        ASSERT_TRUE(size != 0 || embedded != nullptr) << row->structure << "::" << row->member;
        const std::size_t step = size != 0 ? size : embedded->size;
        for (std::size_t at = base + row->offset; at < base + row->offset + row->size; at += step) {
            if (embedded != nullptr) {
                swappedOrigins(*embedded, at, origin);
                continue;
            }
            for (std::size_t byte = 0; byte < size; ++byte)
                origin[at + byte] = at + size - 1 - byte;
        }
    }
}

std::vector<std::uint8_t> numberedBytes(std::size_t count)
{
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 251);
    return bytes;
}

TEST(BmicByteOrder, SwapReversesEachMultiByteElementOnceAndLeavesBytesAndTextAlone)
{
    for (const BmicLayoutRow* structure : structures()) {
        std::vector<std::size_t> origin(structure->size);
        for (std::size_t i = 0; i < origin.size(); ++i)
            origin[i] = i;
        swappedOrigins(*structure, 0, origin);
        const std::vector<std::uint8_t> before = numberedBytes(structure->size);
        std::vector<std::uint8_t> bytes = before;
        SwapByteOrder(*structure, bytes);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            ASSERT_EQ(bytes[i], before[origin[i]]) << structure->structure << " byte " << i;
        }
    }
}

TEST(BmicByteOrder, SwappingTwiceGivesEveryStructureBack)
{
    for (const BmicLayoutRow* structure : structures()) {
        const std::vector<std::uint8_t> before = numberedBytes(structure->size);
        std::vector<std::uint8_t> bytes = before;
        SwapByteOrder(*structure, bytes);
        SwapByteOrder(*structure, bytes);
        EXPECT_EQ(bytes, before) << structure->structure;
    }
}

TEST(BmicByteOrder, BytesOfAnotherSizeThanTheStructureAreLeftAlone)
{
    const BmicLayoutRow& identify = *structureNamed("IDENTIFY_CONTROLLER");
    const std::vector<std::uint8_t> before = numberedBytes(identify.size - 1);
    std::vector<std::uint8_t> bytes = before;
    SwapByteOrder(identify, bytes);
    EXPECT_EQ(bytes, before);
}

// The array members the tool reads are converted element by element in the typed buffers.
TEST(BmicByteOrder, ArrayMembersOfTheBuffersAreSwappedElementByElement)
{
    PHYSICAL_DRIVE_STATUS drive{};
    drive.wPHYToAttachedDeviceIndex[3] = 0x1234;
    SURFACE_STATUS surface{};
    surface.pdwSurfaceAnalysisPasses[5] = 0x11223344;
    SwapByteOrder(drive);
    SwapByteOrder(surface);
    const std::uint16_t index = drive.wPHYToAttachedDeviceIndex[3];
    const std::uint32_t passes = surface.pdwSurfaceAnalysisPasses[5];
    EXPECT_EQ(index, 0x3412);
    EXPECT_EQ(passes, 0x44332211u);
    std::uint32_t lock = 0x01020304;
    SwapByteOrder(lock);
    EXPECT_EQ(lock, 0x04030201u);
}

// Controller buffers are little-endian: converting changes them only on a big-endian host.
TEST(BmicByteOrder, ConvertingSwapsOnlyOnABigEndianHost)
{
    LOGICAL_DRIVE_CONFIG config{};
    config.dwSignature = 0xA1B2C3D4;
    const LOGICAL_DRIVE_CONFIG original = config;
    LOGICAL_DRIVE_CONFIG swapped = config;
    SwapByteOrder(swapped);
    ConvertByteOrder(config);
    const LOGICAL_DRIVE_CONFIG& expected = std::endian::native == std::endian::big ? swapped : original;
    EXPECT_EQ(std::memcmp(&config, &expected, sizeof config), 0);
}

} // namespace
