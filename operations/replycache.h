// Operations::ReplyCache - keeps the controller's answers to the read-only questions that one
// rescan asks several times (identify controller, logical drive configuration and status, cache
// configuration ...), so that each is sent once per rescan of a controller.
//
// What a caller may rely on:
// - A controller's session starts when its reader runs (Open, first operation of every rescan
//   of a controller or storage system); it drops that controller's earlier answers. Without an
//   open session nothing is kept and every command goes to the controller.
// - Only the commands of a fixed list of pure questions are kept, and only successful answers;
//   a failing command is sent again next time, so a failure reads exactly as without the cache.
// - Any command that is not a sense (a set or a command without data) passing through a cached
//   channel, and Drop(), forget every answer and end every session. A write operation that sends
//   its commands another way does so with executeWriteCommand, which calls Drop() after the
//   command, so that no answer given before a change is read after it. Senses that are not kept
//   simply pass.
// - ForgetUnit and ForgetPhysicalDrive drop the kept answers of one logical or physical drive:
//   the last reader of a drive in a rescan calls them, so that refreshing the drive later asks
//   the controller again.
// - executeCachedCommand runs a command exactly as executeCommand does (retries, byte order,
//   failure details in the result); only the transport is answered from the cache.
#ifndef OPERATIONS_REPLYCACHE_H
#define OPERATIONS_REPLYCACHE_H

#include <cstdint>

#include "controller/bmicdevice.h"
#include "controller/executecommand.h"
#include "core/device.h"

namespace Operations {

class ReplyCache {
public:
    static void Open(const Core::Device& device);
    static void Drop();
    static void ForgetUnit(const Core::Device& device, std::uint16_t unit);
    // Drops the kept identify answer of one physical drive (its last reader calls it).
    static void ForgetPhysicalDrive(const Core::Device& device, std::uint16_t driveIndex);
    // Number of answers kept, for tests and measurements.
    static std::size_t size();
};

// A BMIC channel that answers kept questions itself and hands everything else to `inner`, the
// channel of a device of the tree.
class CachedChannel : public BMICDevice {
public:
    explicit CachedChannel(BMICDevice& inner);

    bool isRemote() const override { return m_inner.isRemote(); }
    std::uint16_t maxLogicalUnits() const override { return m_inner.maxLogicalUnits(); }
    std::uint16_t maxPhysicalUnits() const override { return m_inner.maxPhysicalUnits(); }
    bool usesVariableSizeBuffers() const override { return m_inner.usesVariableSizeBuffers(); }
    bool sendBMICCommand(BMICRequest& request) override;

private:
    BMICDevice& m_inner;
    const Core::Device* m_device;
};

template <class Command>
bool executeCachedCommand(Command& command, BMICDevice& device, Core::OperationReturn& result)
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
