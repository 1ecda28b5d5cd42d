// The command a firmware handler works on, and the handlers by group. Only
// the firmware's own sources include this header.
#ifndef VNL_SIM_FWCOMMAND_H
#define VNL_SIM_FWCOMMAND_H

#include "sim/firmware.h"

#include <algorithm>
#include <cstring>

namespace Sim {

// Sense codes the firmware answers with.
constexpr std::uint8_t kKeyNotReady = 0x02;
constexpr std::uint8_t kKeyHardwareError = 0x04;
constexpr std::uint8_t kKeyIllegalRequest = 0x05;
constexpr std::uint8_t kKeyUnitAttention = 0x06;
constexpr std::uint8_t kAscInvalidOpcode = 0x20;
constexpr std::uint8_t kAscInvalidFieldInCdb = 0x24;
constexpr std::uint8_t kAscUnsupportedLun = 0x25;
constexpr std::uint8_t kAscInvalidFieldInParameters = 0x26;
constexpr std::uint8_t kAscParameterLength = 0x1A;
constexpr std::uint8_t kAscLunNotReady = 0x04;
constexpr std::uint8_t kAscLunFailure = 0x3E;

struct Command {
    Controller& ctl;
    const BmicCall& call;
    const SimContext& ctx;
    CommandOutcome& out;
    LogicalDrive* ld = nullptr; // set for commands addressed to a configured logical drive
    Drive* drive = nullptr; // set for commands addressed to a physical drive
    std::uint16_t driveIndex = 0;

    // Copies a reply record into the caller's buffer, as much as fits.
    template <class T>
    void reply(const T& record)
    {
        if (!call.data || call.length == 0)
            return;
        std::memcpy(call.data, &record, std::min<std::size_t>(sizeof record, call.length));
        out.replied = true;
    }
    // Copies the caller's record; a short buffer is a parameter-length error.
    template <class T>
    bool request(T& record)
    {
        if (call.length < sizeof record || !call.data) {
            fail(kKeyIllegalRequest, kAscParameterLength);
            return false;
        }
        std::memcpy(&record, call.data, sizeof record);
        return true;
    }
    void fail(std::uint8_t key, std::uint8_t asc) { checkCondition(out, key, asc); }
    void changed() { out.changed = true; }
};

using Handler = void (*)(Command&);

// Controller-wide commands (fwcontroller.cpp).
void identifyController(Command& cmd);
void senseControllerParameters(Command& cmd);
void setControllerParameters(Command& cmd);
void senseCacheConfig(Command& cmd);
void setCacheConfig(Command& cmd);
void flushDisableCache(Command& cmd);
void setSurfaceDelay(Command& cmd);
void senseSurfaceStatus(Command& cmd);
void senseRedundancy(Command& cmd);
void setRedundancy(Command& cmd);
void disableOtherController(Command& cmd);
void senseSubsystem(Command& cmd);
void senseBusParameters(Command& cmd);
void senseExternalBox(Command& cmd);
void senseExpansionAbility(Command& cmd);
void senseMaintenance(Command& cmd);
void setMaintenance(Command& cmd);
void lockManagement(Command& cmd);
void readServerNames(Command& cmd);
void writeServerNames(Command& cmd);
void reorderLogicalDrives(Command& cmd);
void senseMonitoringViolations(Command& cmd);

// Logical drive commands (fwlogicaldrive.cpp).
void identifyLogicalDrive(Command& cmd);
void senseLogicalDriveStatus(Command& cmd);
void senseConfiguration(Command& cmd);
void setConfiguration(Command& cmd);
void changeConfiguration(Command& cmd);
void labelLogicalDrive(Command& cmd);
void bypassVolumeState(Command& cmd);
void acceptMediaExchange(Command& cmd);
void readLogicalDriveBlock(Command& cmd);
void writeLogicalDriveBlock(Command& cmd);
void senseMirrorPairs(Command& cmd);
void readVolumeProfile(Command& cmd);

// Physical drive commands (fwphysicaldrive.cpp).
void identifyPhysicalDrive(Command& cmd);
void specialInquiry(Command& cmd);
void senseMonitoringStatistics(Command& cmd);
void monitoringParameterControl(Command& cmd);
void failPhysicalDrive(Command& cmd);

// The controller's product name without the maker's name, for inquiry data.
std::string productName(const Controller& controller);

// A text field of a reply record, NUL-padded.
template <std::size_t N>
void putText(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(N, text.size()));
}

// A text field of a reply record, blank-padded (inquiry style).
template <std::size_t N>
void putPadded(char (&field)[N], const std::string& text)
{
    std::memset(field, ' ', N);
    std::memcpy(field, text.data(), std::min(N, text.size()));
}

} // namespace Sim

#endif
