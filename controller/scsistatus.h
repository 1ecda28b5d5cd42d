// SCSIStatus - the outcome of the last attempt of a controller command.
//
// Base of every BMIC and SCSI command object. It keeps whether the channel
// reported the request as sent, the library's low-level status, the
// controller's command status, the SCSI status and the decoded sense bytes,
// and turns them into an operation-result value through two process-wide
// tables: the status table (command status, SCSI status, sense key, ASC,
// ASCQ -> value; 65535 / 255 match anything) and the low-level table
// (low-level status -> value). Lookups take the first matching entry.
//
// A request the channel did not report as sent is described from the
// low-level table when it carries a low-level status; when it carries none,
// from the status table (a refused request with no status at all is
// ATTR_VALUE_STATUS_FAILURE), so a failed command is never described as a
// success.
#ifndef CONTROLLER_SCSISTATUS_H
#define CONTROLLER_SCSISTATUS_H

#include <cstdint>

#include "common/ctlstring.h"

class SCSIStatus {
public:
    static constexpr std::uint16_t ANY_COMMAND_STATUS = 0xFFFF;
    static constexpr std::uint8_t ANY_BYTE = 0xFF;
    static constexpr std::uint32_t SENSE_BUFFER_SIZE = 32;

    virtual ~SCSIStatus() = default;

    bool sent() const { return m_sent; }
    std::int32_t i32LowLevelStatus() const { return m_lowLevelStatus; }
    std::uint16_t wCommandStatus() const { return m_commandStatus; }
    std::uint8_t bScsiStatus() const { return m_scsiStatus; }
    std::uint8_t bSenseKey() const { return m_senseKey; }
    std::uint8_t bASC() const { return m_asc; }
    std::uint8_t bASCQ() const { return m_ascq; }

    bool hasStatusDescription() const;
    Common::string statusDescription() const;

    static void AddStatusDescription(std::uint16_t commandStatus, std::uint8_t scsiStatus, std::uint8_t senseKey,
                                     std::uint8_t asc, std::uint8_t ascq, const Common::string& value);
    static void RemoveStatusDescription(std::uint16_t commandStatus, std::uint8_t scsiStatus, std::uint8_t senseKey,
                                        std::uint8_t asc, std::uint8_t ascq);
    static void AddStatusDescription(std::uint32_t lowLevelStatus, const Common::string& value);
    static void RemoveStatusDescription(std::uint32_t lowLevelStatus);

    // The entries the storage module adds at start-up: invalid field in the
    // command block or parameter list, low-level buffer under- and overrun.
    static void AddStorageModuleDescriptions();

protected:
    // What one attempt left in its request.
    struct Attempt {
        bool sent;
        std::uint32_t lowLevelStatus;
        std::uint16_t commandStatus;
        std::uint8_t scsiStatus;
        const std::uint8_t* sense; // SENSE_BUFFER_SIZE bytes
        std::uint32_t senseLength;
        bool underrunIsSuccess; // a transfer to the device that took less than offered
    };

    void ResetStatus();
    // Stores the attempt's status and returns the command's result.
    bool RecordAttempt(const Attempt& attempt);

    static std::uint8_t SenseKeyOf(const std::uint8_t* sense) { return sense[2] & 0x0F; }
    static std::uint8_t AscOf(const std::uint8_t* sense) { return sense[12]; }
    static std::uint8_t AscqOf(const std::uint8_t* sense) { return sense[13]; }

private:
    const Common::string* findStatusEntry() const;

    bool m_sent = true;
    std::int32_t m_lowLevelStatus = 0;
    std::uint16_t m_commandStatus = 0;
    std::uint8_t m_scsiStatus = 0;
    std::uint8_t m_senseKey = 0;
    std::uint8_t m_asc = 0;
    std::uint8_t m_ascq = 0;
};

#endif
