#include "operations/replycache.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <vector>

#include "common/containers.h"
#include "common/fastcast.h"
#include "controller/bmictraits.h"
#include "controller/concretebmicdevice.h"
#include "core/devicefinder.h"
#include "core/devicelock.h"
#include "core/rescanpass.h"
#include "schema/controllerchannels.h"
#include "schema/morumod.h"

namespace Operations {
namespace {

// The questions whose answers change only when the configuration is written.
constexpr std::uint8_t kKeptOpcodes[] = {
    IdentifyControllerTrait::command(),
    IdentifyPhysicalDriveTrait::command(),
    IdentifyLogicalDriveTrait::command(),
    SenseLogicalDriveStatusTrait::command(),
    SenseLogicalDriveConfigurationTrait::command(),
    SenseControllerParametersTrait::command(),
    SenseBusParametersTrait::command(),
    SenseSubsystemInformationTrait::command(),
    SenseExternalBoxParametersTrait::command(),
    SenseSurfaceStatusTrait::command(),
    SenseRedundantParameterTrait::command(),
    SenseControllerCacheConfigStatusTrait::command(),
};

struct Question {
    std::uint8_t opcode;
    std::uint32_t detail;
    std::uint16_t unit;
    std::uint32_t length;
    std::uint32_t extra;

    bool operator<(const Question& other) const
    {
        return std::tie(opcode, detail, unit, length, extra) <
            std::tie(other.opcode, other.detail, other.unit, other.length, other.extra);
    }
};

struct Answer {
    std::vector<std::uint8_t> data;
    std::uint16_t commandStatus = 0;
};

using Session = Common::map<Question, Answer>;

// The answers of the rescan that is running, by controller handle. The tree is rescanned by one
// thread at a time (its lock is held by every operation), so they need no lock of their own.
struct Sessions {
    unsigned long pass = 0;
    Common::map<ImgrHandle, Session> byHandle;
};

Sessions& sessions()
{
    static Sessions all;
    return all;
}

// The handle of the controller (or storage system) whose channel `device` ends in.
// Only controllers and storage systems carry the channels of a controller; their type says so
// more cheaply than a cast does.
bool mayCarryChannels(const Core::Device& device)
{
    using namespace Interface::MORUMod;
    const Common::string type = Core::typeOf(device);
    return type == ATTR_VALUE_TYPE_ARRAY_CONTROLLER || type == ATTR_VALUE_TYPE_STORAGE_SYSTEM;
}

bool controllerHandle(const Core::Device* device, ImgrHandle& handle)
{
    if (device == nullptr)
        return false;
    const Core::DeviceLock lock(*device);
    for (; device != nullptr; device = device->parentDevice()) {
        const auto* channels =
            mayCarryChannels(*device) ? Common::fastCast<const Schema::ControllerChannels>(device) : nullptr;
        if (channels != nullptr) {
            handle = channels->handle();
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<ImgrHandle> CachedChannel::handleOf(const BMICDevice& channel, const Core::Device* device)
{
    ImgrHandle handle = 0;
    if (controllerHandle(device, handle))
        return handle;
    if (const auto* own = dynamic_cast<const ConcreteBMICDevice*>(&channel))
        return own->handle();
    return std::nullopt;
}

namespace {

// The session of a controller in the running rescan; none outside a rescan. A new rescan starts
// with no answers at all.
Session* sessionOf(std::optional<ImgrHandle> handle)
{
    const unsigned long pass = Core::RescanPass::current();
    if (pass == 0 || !handle)
        return nullptr;
    Sessions& all = sessions();
    if (all.pass != pass) {
        all.byHandle.clear();
        all.pass = pass;
    }
    return &all.byHandle[*handle];
}

Session* sessionOf(const Core::Device& device)
{
    ImgrHandle handle = 0;
    return controllerHandle(&device, handle) ? sessionOf(handle) : nullptr;
}

bool isQuestion(const BMICDevice::BMICRequest& request)
{
    return request.eTransferType == BMICDevice::TRANSFER_FROM_CONTROLLER &&
        std::find(std::begin(kKeptOpcodes), std::end(kKeptOpcodes), request.bCommand) != std::end(kKeptOpcodes);
}

Question questionOf(const BMICDevice::BMICRequest& request)
{
    return Question{request.bCommand, request.dwDetail, request.wUnit, request.dwDataLength, request.dwExtra};
}

bool answer(const Answer& kept, BMICDevice::BMICRequest& request)
{
    if (request.pData == nullptr || kept.data.size() != request.dwDataLength)
        return false;
    std::memcpy(request.pData, kept.data.data(), kept.data.size());
    request.wCommandStatus = kept.commandStatus;
    request.bScsiStatus = 0;
    request.dwLowLevelStatus = 0;
    request.dwSenseLength = 0;
    return true;
}

template <class Matches>
void forget(const Core::Device& device, Matches matches)
{
    Session* session = sessionOf(device);
    if (session != nullptr)
        std::erase_if(*session, [&matches](const auto& entry) { return matches(entry.first); });
}

Answer answerOf(const BMICDevice::BMICRequest& request)
{
    const auto* bytes = static_cast<const std::uint8_t*>(request.pData);
    return Answer{std::vector<std::uint8_t>(bytes, bytes + request.dwDataLength), request.wCommandStatus};
}

} // namespace

void ReplyCache::Drop() { sessions().byHandle.clear(); }

void ReplyCache::ForgetUnit(const Core::Device& device, std::uint16_t unit)
{
    forget(device, [unit](const Question& question) {
        const std::uint8_t opcode = question.opcode;
        const bool perDrive = opcode == IdentifyLogicalDriveTrait::command() ||
            opcode == SenseLogicalDriveStatusTrait::command() ||
            opcode == SenseLogicalDriveConfigurationTrait::command();
        return perDrive && question.unit == unit;
    });
}

void ReplyCache::ForgetPhysicalDrive(const Core::Device& device, std::uint16_t driveIndex)
{
    // The drive index is in the top byte of the detail, or the bottom one once a remote
    // controller's detail is reversed, and its high byte in the top byte of the unit.
    const std::uint32_t low = driveIndex & 0xFFu;
    const std::uint16_t high = static_cast<std::uint16_t>(driveIndex & 0xFF00u);
    forget(device, [low, high](const Question& question) {
        const bool sameDrive = (question.detail == (low << 24) || question.detail == low) && question.unit == high;
        return question.opcode == IdentifyPhysicalDriveTrait::command() && sameDrive;
    });
}

std::size_t ReplyCache::size()
{
    std::size_t count = 0;
    for (const auto& entry : sessions().byHandle)
        count += entry.second.size();
    return count;
}

CachedChannel::CachedChannel(BMICDevice& inner)
    : m_inner(inner), m_handle(handleOf(inner, dynamic_cast<const Core::Device*>(&inner)))
{
}

bool CachedChannel::sendBMICCommand(BMICRequest& request)
{
    // A command that is not a sense may change what the controller answers.
    if (request.eTransferType != BMICDevice::TRANSFER_FROM_CONTROLLER)
        ReplyCache::Drop();
    Session* session = isQuestion(request) ? sessionOf(m_handle) : nullptr;
    if (session == nullptr)
        return m_inner.sendBMICCommand(request);
    const Question question = questionOf(request);
    auto kept = session->find(question);
    if (kept != session->end() && answer(kept->second, request))
        return true;
    const bool sent = m_inner.sendBMICCommand(request);
    // Only a clean answer is kept: one with a status to report is asked again next time.
    if (sent && request.wCommandStatus == 0 && request.pData != nullptr)
        (*session)[question] = answerOf(request);
    return sent;
}

} // namespace Operations
