// Reports of the controller's host services are read no further than the data received, whatever
// their headers claim.
#include <gtest/gtest.h>

#include "operations/ssplayouts.h"

namespace {

using Operations::entriesIn;

std::vector<std::uint8_t> report(std::uint32_t claimed, std::size_t entries)
{
    std::vector<std::uint8_t> data(sizeof(HOST_LIST_HEADER) + entries * sizeof(HOST_MODE_ENTRY));
    std::memcpy(data.data(), &claimed, sizeof claimed);
    for (std::size_t i = 0; i < entries; ++i)
        data[sizeof(HOST_LIST_HEADER) + i * sizeof(HOST_MODE_ENTRY)] = static_cast<std::uint8_t>(i + 1);
    return data;
}

TEST(ReportEntries, HeaderCountBeyondTheDataIsCutToTheData)
{
    const auto entries = entriesIn<HOST_LIST_HEADER, HOST_MODE_ENTRY>(report(1000000, 3));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries.back().bModeNumber, 3);
}

TEST(ReportEntries, HeaderCountBelowTheDataIsKept)
{
    EXPECT_EQ((entriesIn<HOST_LIST_HEADER, HOST_MODE_ENTRY>(report(2, 5)).size()), 2u);
}

TEST(ReportEntries, DataShorterThanAHeaderHasNoEntries)
{
    const std::vector<std::uint8_t> shortData(5, 0xFF);
    EXPECT_TRUE((entriesIn<HOST_LIST_HEADER, HOST_MODE_ENTRY>(shortData).empty()));
    EXPECT_EQ(Operations::headerOf<SSP_ACL_HEADER>(shortData).dwEntryCount, 0u);
}

} // namespace
