#include "controller/scsistatus.h"

#include <algorithm>
#include <vector>

#include "controller/commandstatus.h"
#include "controller/imgrdefs.h"
#include "core/modelterms.h"

namespace {

using namespace CommandStatus;
constexpr const char* kSuccess = Core::ModelTerms::ATTR_VALUE_STATUS_SUCCESS;
constexpr const char* kFailure = Core::ModelTerms::ATTR_VALUE_STATUS_FAILURE;

struct StatusEntry {
    std::uint16_t commandStatus;
    std::uint8_t scsiStatus, senseKey, asc, ascq;
    Common::string value;

    bool sameKey(std::uint16_t c, std::uint8_t s, std::uint8_t k, std::uint8_t a, std::uint8_t q) const
    {
        return commandStatus == c && scsiStatus == s && senseKey == k && asc == a && ascq == q;
    }
};

struct LowLevelEntry {
    std::uint32_t lowLevelStatus;
    Common::string value;
};

bool matches(std::uint8_t pattern, std::uint8_t value) { return pattern == SCSIStatus::ANY_BYTE || pattern == value; }

// Built in on first use, in this order.
std::vector<StatusEntry>& statusTable()
{
    constexpr std::uint8_t any = SCSIStatus::ANY_BYTE;
    static std::vector<StatusEntry> table{
        {0, 0, 0, 0, 0, kSuccess},
        {2, any, any, any, any, kSuccess},
        {3, any, any, any, any, kSuccess},
        {4, any, any, any, any, kFailure},
    };
    return table;
}

std::vector<LowLevelEntry>& lowLevelTable()
{
    static std::vector<LowLevelEntry> table{{0, kSuccess}};
    return table;
}

} // namespace

void SCSIStatus::AddStatusDescription(std::uint16_t commandStatus, std::uint8_t scsiStatus, std::uint8_t senseKey,
                                      std::uint8_t asc, std::uint8_t ascq, const Common::string& value)
{
    statusTable().push_back({commandStatus, scsiStatus, senseKey, asc, ascq, value});
}

void SCSIStatus::RemoveStatusDescription(std::uint16_t commandStatus, std::uint8_t scsiStatus, std::uint8_t senseKey,
                                         std::uint8_t asc, std::uint8_t ascq)
{
    std::erase_if(statusTable(), [&](const StatusEntry& entry) {
        return entry.sameKey(commandStatus, scsiStatus, senseKey, asc, ascq);
    });
}

void SCSIStatus::AddStatusDescription(std::uint32_t lowLevelStatus, const Common::string& value)
{
    lowLevelTable().push_back({lowLevelStatus, value});
}

void SCSIStatus::RemoveStatusDescription(std::uint32_t lowLevelStatus)
{
    std::erase_if(lowLevelTable(), [&](const LowLevelEntry& entry) { return entry.lowLevelStatus == lowLevelStatus; });
}

void SCSIStatus::AddStorageModuleDescriptions()
{
    // Command status 255 here is a value of its own, not the wildcard.
    AddStatusDescription(255, 2, 5, 0x24, ANY_BYTE, ATTR_VALUE_STATUS_INVALID_FIELD_IN_CDB);
    AddStatusDescription(255, 2, 5, 0x26, ANY_BYTE, ATTR_VALUE_STATUS_INVALID_FIELD_IN_PARAMETER_LIST);
    AddStatusDescription(IMGR_STATUS_BUFFER_UNDERRUN, ATTR_VALUE_STATUS_LOW_LEVEL_BUFFER_UNDERRUN);
    AddStatusDescription(IMGR_STATUS_BUFFER_OVERRUN, ATTR_VALUE_STATUS_LOW_LEVEL_BUFFER_OVERRUN);
}

const Common::string* SCSIStatus::findStatusEntry() const
{
    for (const StatusEntry& entry : statusTable()) {
        const bool commandMatches = entry.commandStatus == ANY_COMMAND_STATUS || entry.commandStatus == m_commandStatus;
        if (commandMatches && matches(entry.scsiStatus, m_scsiStatus) && matches(entry.senseKey, m_senseKey) &&
            matches(entry.asc, m_asc) && matches(entry.ascq, m_ascq)) {
            return &entry.value;
        }
    }
    return nullptr;
}

bool SCSIStatus::hasStatusDescription() const { return !m_sent || findStatusEntry() != nullptr; }

Common::string SCSIStatus::statusDescription() const
{
    const bool noStatusAtAll = m_commandStatus == 0 && m_scsiStatus == 0;
    if (!m_sent && m_lowLevelStatus != 0) {
        const auto low = static_cast<std::uint32_t>(m_lowLevelStatus);
        for (const LowLevelEntry& entry : lowLevelTable()) {
            if (entry.lowLevelStatus == low)
                return entry.value;
        }
        return ATTR_VALUE_STATUS_COMMUNICATION_ERROR;
    }
    // A request that was refused before it reached the device has nothing to
    // look up and must not read as the all-zero success entry.
    if (!m_sent && noStatusAtAll)
        return kFailure;
    const Common::string* value = findStatusEntry();
    return value ? *value : Common::string(kFailure);
}

void SCSIStatus::ResetStatus()
{
    m_sent = true;
    m_lowLevelStatus = 0;
    m_commandStatus = 0;
    m_scsiStatus = 0;
    m_senseKey = m_asc = m_ascq = 0;
}

bool SCSIStatus::RecordAttempt(const Attempt& attempt)
{
    m_sent = attempt.sent;
    if (attempt.underrunIsSuccess && attempt.lowLevelStatus == IMGR_STATUS_BUFFER_UNDERRUN) {
        return true;
    }
    if (attempt.lowLevelStatus != 0) {
        m_lowLevelStatus = static_cast<std::int32_t>(attempt.lowLevelStatus);
        return false;
    }
    if (attempt.commandStatus == 0 && attempt.scsiStatus == 0)
        return attempt.sent;
    m_commandStatus = attempt.commandStatus;
    m_scsiStatus = attempt.scsiStatus;
    if (attempt.senseLength > 1) {
        m_senseKey = SenseKeyOf(attempt.sense);
        m_asc = AscOf(attempt.sense);
        m_ascq = AscqOf(attempt.sense);
    }
    return attempt.commandStatus == 2 || attempt.commandStatus == 3;
}
