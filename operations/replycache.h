// Operations::ReplyCache - keeps the controller's answers to the read-only questions that one
// rescan asks several times (identify controller, subsystem information, controller parameters,
// logical drive configuration and status ...), so that each is sent once per rescan of a
// controller.
//
// What a caller may rely on:
// - Answers are kept only while a rescan runs (Core::RescanPass), per controller handle, and only
//   for the rescan that asked: the first question of a new rescan forgets every earlier answer.
//   Outside a rescan nothing is kept and every command goes to the controller, so no answer is
//   ever given across two rescans (hardware changes while a console sits idle).
// - Within a rescan the discovery of the root and the readers of a controller share answers:
//   the questions discovery asks a controller it finds are not asked again by its reader.
// - Only the commands of a fixed list of pure questions are kept, and only successful answers;
//   a failing command is sent again next time, so a failure reads exactly as without the cache.
// - Any command that is not a sense (a set or a command without data) passing through a cached
//   channel, and Drop(), forget every answer. A write operation that sends its commands another
//   way does so with executeWriteCommand, which calls Drop() after the command, so that no answer
//   given before a change is read after it. Senses that are not kept simply pass.
// - ForgetUnit and ForgetPhysicalDrive drop the kept answers of one logical or physical drive:
//   the last reader of a drive in a rescan calls them, so that a rescan holds each drive's
//   answers no longer than their reading needs.
// - executeCachedCommand runs a command exactly as executeCommand does (retries, byte order,
//   failure details in the result); only the transport is answered from the cache.
#ifndef OPERATIONS_REPLYCACHE_H
#define OPERATIONS_REPLYCACHE_H

#include <cstdint>
#include <optional>
#include <type_traits>

#include "controller/bmicdevice.h"
#include "controller/executecommand.h"
#include "controller/imgrdefs.h"
#include "core/device.h"

namespace Operations {

class ReplyCache {
public:
    static void Drop();
    static void ForgetUnit(const Core::Device& device, std::uint16_t unit);
    // Drops the kept identify answer of one physical drive (its last reader calls it).
    static void ForgetPhysicalDrive(const Core::Device& device, std::uint16_t driveIndex);
    // Number of answers kept, for tests and measurements.
    static std::size_t size();
};

// A BMIC channel that answers kept questions itself and hands everything else to `inner`: the
// channel of a device of the tree, or a controller's own channel (ConcreteBMICDevice) that
// discovery asks before the controller is in the tree.
class CachedChannel : public BMICDevice {
public:
    explicit CachedChannel(BMICDevice& inner);
    // The same for a device of the tree that is its own channel, found without a cast.
    template <class Device>
    requires std::is_base_of_v<Core::Device, Device> && std::is_base_of_v<BMICDevice, Device>
    explicit CachedChannel(Device& device) : m_inner(device), m_handle(handleOf(device, &device)) {}

    bool isRemote() const override { return m_inner.isRemote(); }
    std::uint16_t maxLogicalUnits() const override { return m_inner.maxLogicalUnits(); }
    std::uint16_t maxPhysicalUnits() const override { return m_inner.maxPhysicalUnits(); }
    bool usesVariableSizeBuffers() const override { return m_inner.usesVariableSizeBuffers(); }
    bool sendBMICCommand(BMICRequest& request) override;

private:
    // The handle of the controller `channel` ends in: that of the nearest controller or storage
    // system at or above `device`, else the channel's own.
    static std::optional<ImgrHandle> handleOf(const BMICDevice& channel, const Core::Device* device);

    BMICDevice& m_inner;
    std::optional<ImgrHandle> m_handle; // the controller the channel ends in, when known
};

template <class Command, class Channel>
bool executeCachedCommand(Command& command, Channel& device, Core::OperationReturn& result)
{
    CachedChannel channel(device);
    return executeCommand(command, channel, result);
}

// Runs a command of a write operation exactly as executeCommand does, then drops every kept
// answer: the command may have changed what the controller answers.
template <class Command, class Device>
bool executeWriteCommand(Command& command, Device& device, Core::OperationReturn& result)
{
    const bool done = executeCommand(command, device, result);
    ReplyCache::Drop();
    return done;
}

} // namespace Operations

#endif
