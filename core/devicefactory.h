// Core::DeviceFactory - makes the root of the device tree.
//
// pRoot() creates the root on its first call (through createRoot(), which
// the module root's factory supplies) and keeps it in one process-wide
// pointer; every later call, from any factory, returns that same root.
#ifndef CORE_DEVICEFACTORY_H
#define CORE_DEVICEFACTORY_H

#include "core/device.h"

namespace Core {

class DeviceFactory {
public:
    virtual DevicePtr pRoot() const;
    virtual ~DeviceFactory() = default;

protected:
    virtual DevicePtr createRoot() const = 0;
};

} // namespace Core

#endif
