#include "controller/scsistatus.h"

#include <gtest/gtest.h>

namespace {

// Sets the status fields directly, as a command's last attempt would.
class Outcome : public SCSIStatus {
public:
    Outcome(bool sent, std::uint32_t lowLevel, std::uint16_t command, std::uint8_t scsi, std::uint8_t key,
            std::uint8_t asc, std::uint8_t ascq)
    {
        std::uint8_t sense[SENSE_BUFFER_SIZE] = {};
        sense[2] = key;
        sense[12] = asc;
        sense[13] = ascq;
        RecordAttempt({sent, lowLevel, command, scsi, sense, SENSE_BUFFER_SIZE, false});
    }
};

class SCSIStatusTest : public ::testing::Test {
protected:
    void SetUp() override { SCSIStatus::AddStorageModuleDescriptions(); }
    void TearDown() override
    {
        SCSIStatus::RemoveStatusDescription(255, 2, 5, 0x24, SCSIStatus::ANY_BYTE);
        SCSIStatus::RemoveStatusDescription(255, 2, 5, 0x26, SCSIStatus::ANY_BYTE);
        SCSIStatus::RemoveStatusDescription(0x8000000Cu);
        SCSIStatus::RemoveStatusDescription(0x8000000Du);
    }
};

TEST_F(SCSIStatusTest, StatusTableMatchesExactValuesAndWildcards)
{
    const Outcome invalidCdb(true, 0, 255, 2, 5, 0x24, 0x00);
    EXPECT_TRUE(invalidCdb.hasStatusDescription());
    EXPECT_EQ(invalidCdb.statusDescription(), "ATTR_VALUE_STATUS_INVALID_FIELD_IN_CDB");

    const Outcome invalidList(true, 0, 255, 2, 5, 0x26, 0x07);
    EXPECT_EQ(invalidList.statusDescription(), "ATTR_VALUE_STATUS_INVALID_FIELD_IN_PARAMETER_LIST");

    // 255 is a command status of its own there, not "any".
    const Outcome otherCommand(true, 0, 1, 2, 5, 0x24, 0x00);
    EXPECT_FALSE(otherCommand.hasStatusDescription());
    EXPECT_EQ(otherCommand.statusDescription(), "ATTR_VALUE_STATUS_FAILURE");

    EXPECT_EQ(Outcome(true, 0, 3, 2, 6, 0, 0).statusDescription(), "ATTR_VALUE_STATUS_SUCCESS");
    EXPECT_EQ(Outcome(true, 0, 4, 2, 6, 0, 0).statusDescription(), "ATTR_VALUE_STATUS_FAILURE");
}

TEST_F(SCSIStatusTest, UnsentRequestsAreDescribedFromTheLowLevelTable)
{
    EXPECT_EQ(Outcome(false, 0x8000000C, 0, 0, 0, 0, 0).statusDescription(),
              "ATTR_VALUE_STATUS_LOW_LEVEL_BUFFER_UNDERRUN");
    EXPECT_EQ(Outcome(false, 0x8000000D, 0, 0, 0, 0, 0).statusDescription(),
              "ATTR_VALUE_STATUS_LOW_LEVEL_BUFFER_OVERRUN");
    EXPECT_EQ(Outcome(false, 0x80000004, 0, 0, 0, 0, 0).statusDescription(), "ATTR_VALUE_STATUS_COMMUNICATION_ERROR");
}

TEST_F(SCSIStatusTest, FailureWithoutLowLevelStatusNeverReadsAsSuccess)
{
    // The channel refuses a request with a SCSI status but no low-level status.
    const Outcome checkCondition(false, 0, 255, 2, 5, 0x24, 0);
    EXPECT_TRUE(checkCondition.hasStatusDescription());
    EXPECT_EQ(checkCondition.statusDescription(), "ATTR_VALUE_STATUS_INVALID_FIELD_IN_CDB");
    EXPECT_EQ(Outcome(false, 0, 0, 2, 6, 0x29, 0).statusDescription(), "ATTR_VALUE_STATUS_FAILURE");
    // A request refused before it was sent carries no status at all.
    EXPECT_EQ(Outcome(false, 0, 0, 0, 0, 0, 0).statusDescription(), "ATTR_VALUE_STATUS_FAILURE");
}

TEST_F(SCSIStatusTest, AddedEntriesComeAfterEarlierMatchesAndCanBeRemoved)
{
    SCSIStatus::AddStatusDescription(SCSIStatus::ANY_COMMAND_STATUS, 2, 6, SCSIStatus::ANY_BYTE, SCSIStatus::ANY_BYTE,
                                     "ATTR_VALUE_STATUS_UNIT_ATTENTION");
    EXPECT_EQ(Outcome(true, 0, 9, 2, 6, 0x29, 0).statusDescription(), "ATTR_VALUE_STATUS_UNIT_ATTENTION");
    EXPECT_EQ(Outcome(true, 0, 2, 2, 6, 0x29, 0).statusDescription(), "ATTR_VALUE_STATUS_SUCCESS");
    SCSIStatus::RemoveStatusDescription(SCSIStatus::ANY_COMMAND_STATUS, 2, 6, SCSIStatus::ANY_BYTE,
                                        SCSIStatus::ANY_BYTE);
    EXPECT_EQ(Outcome(true, 0, 9, 2, 6, 0x29, 0).statusDescription(), "ATTR_VALUE_STATUS_FAILURE");
}

} // namespace
