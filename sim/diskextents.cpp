#include "sim/diskextents.h"

#include "sim/volumeimage.h"

#include <cstring>

namespace Sim {
namespace {

constexpr size_t kTableOffset = 446;
constexpr size_t kEntrySize = 16;

std::uint32_t le32(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

} // namespace

std::vector<ImgrDiskExtentEntry> diskExtents(const std::string& imagePath)
{
    std::vector<ImgrDiskExtentEntry> extents;
    std::uint8_t block[512];
    if (!readImage(imagePath, 0, block, sizeof block) || block[510] != 0x55 || block[511] != 0xAA)
        return extents;
    for (std::uint32_t i = 0; i < 4; ++i) {
        const std::uint8_t* entry = block + kTableOffset + i * kEntrySize;
        std::uint32_t start = le32(entry + 8), sectors = le32(entry + 12);
        if (entry[4] == 0 || sectors == 0)
            continue;
        ImgrDiskExtentEntry e;
        std::memset(&e, 0, sizeof e);
        e.dwEntryType = IMGR_DISK_EXTENT_PARTITION;
        e.dwExtentNumber = i + 1;
        e.qwOffset = std::uint64_t{start} * 512;
        e.qwSize = std::uint64_t{sectors} * 512;
        extents.push_back(e);
    }
    return extents;
}

} // namespace Sim
