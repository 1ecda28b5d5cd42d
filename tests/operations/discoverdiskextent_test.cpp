#include "operations/discoverdiskextent.h"

#include <cstring>

#include <gtest/gtest.h>

using Operations::DiscoverDiskExtent;

TEST(DiscoverDiskExtent, OnlyWholePartitionEntriesAreReadWhateverTheCountClaims)
{
    ImgrDiskExtentHeader header{};
    header.dwEntryCount = 1000;
    std::vector<std::uint8_t> info(sizeof header);
    std::memcpy(info.data(), &header, sizeof header);
    for (std::uint32_t type : {1u, 2u, 1u, 1u}) {
        ImgrDiskExtentEntry entry{};
        entry.dwEntryType = type;
        entry.dwExtentNumber = static_cast<std::uint32_t>(info.size());
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&entry);
        info.insert(info.end(), bytes, bytes + sizeof entry);
    }
    info.pop_back();
    const auto entries = DiscoverDiskExtent::partitionEntries(info);
    ASSERT_EQ(entries.size(), 2u) << "the second is no partition, the fourth is cut short";
    EXPECT_EQ(entries[1].dwExtentNumber, sizeof header + 2 * sizeof(ImgrDiskExtentEntry));
    EXPECT_TRUE(DiscoverDiskExtent::partitionEntries(std::vector<std::uint8_t>(3)).empty());
}
