// Core::DeviceLock - holds a device's recursive mutex for the life of a block.
//
// Devices in a tree share the root's mutex, so holding any device's lock
// holds the whole tree's. The lock keeps its own reference to the mutex, so
// it stays valid even if the device changes mutex meanwhile.
#ifndef CORE_DEVICELOCK_H
#define CORE_DEVICELOCK_H

#include "common/noncopyable.h"
#include "core/device.h"

namespace Core {

class DeviceLock : public Common::NonCopyable {
public:
    explicit DeviceLock(const Device& device) : m_mutex(device.mutexPtr()) { m_mutex->Lock(); }
    ~DeviceLock() { m_mutex->Unlock(); }

private:
    Device::MutexPtr m_mutex;
};

} // namespace Core

#endif
